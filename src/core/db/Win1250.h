#pragma once

#include <QByteArray>
#include <QString>

namespace kalvor::db {

// Texts are stored as Windows-1250 bytes; the rest of the program sees
// QString. Encoding fails with DbError for a character the code page cannot
// hold (never a silent '?'); decoding maps every byte.
QByteArray toWin1250(const QString &text);
QString fromWin1250(const QByteArray &bytes);
bool canEncodeWin1250(const QString &text);

} // namespace kalvor::db
