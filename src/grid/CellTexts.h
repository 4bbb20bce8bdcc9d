#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The plain-text form of a block of cells, as the clipboard and other programs see it.
namespace CellTexts {

// Cells separated by a tab, rows by a line break.
QString join(const QList<QStringList>& rows);

// Splits text into rows at line breaks and into cells at tabs and commas, each part trimmed of
// leading and trailing white space. A line break that ends the text starts no further row.
QList<QStringList> split(const QString& text);

} // namespace CellTexts
