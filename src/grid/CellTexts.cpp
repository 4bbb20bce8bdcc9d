#include "CellTexts.h"

#include <QRegularExpression>

namespace CellTexts {

QString join(const QList<QStringList>& rows)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList& row : rows)
        lines.append(row.join(QLatin1Char('\t')));
    return lines.join(QLatin1Char('\n'));
}

QList<QStringList> split(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    static const QRegularExpression cellBreak(QStringLiteral("[\t,]"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    QList<QStringList> rows;
    rows.reserve(lines.size());
    for (const QString& line : std::as_const(lines)) {
        QStringList cells = line.split(cellBreak);
        for (QString& cell : cells)
            cell = cell.trimmed();
        rows.append(cells);
    }
    return rows;
}

} // namespace CellTexts
