#pragma once

#include <QStringList>
#include <QTextStream>

// kalvor --settlement ID [--db DATABASE] [--user NAME] [--password PW]
// [--set KEY=VALUE]...: prints the settlement of a stored order as opening
// it in the editor computes it. Returns the exit code.
int settlementCommand(const QStringList &args, QTextStream &out, QTextStream &err);
