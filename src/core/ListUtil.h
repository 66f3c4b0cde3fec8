#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QAbstractItemView;

namespace kalvor {

// The n-th part (counting from 1) of a text whose parts are separated by
// "||", as in the items of the choice lists ("Euro||EUR||3"). When the text
// has fewer parts, the part after the last separator; for n of 0 or less an
// empty text.
QString NthPart(const QString &text, int n);

// Clears `list` and fills it with the parts of `text` between occurrences of
// `separator`, in order. The last part is trimmed of surrounding blanks, the
// others are kept as they are. An empty separator gives the whole text as the
// one (trimmed) part.
void SplitToList(const QString &text, const QString &separator, QStringList &list);

// The text that "Kopiraj tablicu" puts on the clipboard: the line "##" and the
// column titles, then one line per row with its running number from 1 and
// the row's values, all separated by tabs; every line, the last included,
// ends with CR LF. Every model column in model order; dates show as
// dd.MM.yyyy.
QString gridText(const QAbstractItemModel *model);
// The same with the given model columns in the given order.
QString gridText(const QAbstractItemModel *model, const QList<int> &columns);

// "Kopiraj tablicu": copies the list's rows as gridText() gives them to the
// clipboard, in the order the list shows them; the columns are those the
// list shows, in their order on screen. An empty list leaves the clipboard
// as it was. The list's current row stays where it was.
void CopyGridToClipboard(QAbstractItemView *view);

} // namespace kalvor
