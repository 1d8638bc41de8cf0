#include "records/history_layout.h"

#include "records/record_texts.h"

namespace records::history {

QStringList headingLines(const QString &taxWord)
{
    return {
        QStringLiteral("Date       , Meter  , Water  , Water  , Sewage , Sewage , Sewage, ") + taxWord
            + QStringLiteral("    Discount, Discount, Period"),
        QStringLiteral("           , Reading, Volume , Fixed  , Volume , Fixed  , Volume, Rate   1       , 2       ,       "),
        QStringLiteral("           ,        , Charge , Charge , Charge , Charge , Allow ,") + QString(14, u' '),
        QStringLiteral("-----------, -------, -------, -------, -------, -------, ------, -----, --------, --------, ------"),
    };
}

QString entryLine(const Entry &entry)
{
    return QStringList{
        rightAligned(entry.date, 11),
        rightAligned(entry.reading, 7),
        rightAligned(entry.waterVolume, 7),
        rightAligned(entry.waterFixed, 7),
        rightAligned(entry.sewageVolume, 7),
        rightAligned(entry.sewageFixed, 7),
        rightAligned(entry.allowance, 5) + entry.allowanceMark,
        rightAligned(entry.taxRate, 4) + entry.taxMark,
        rightAligned(entry.discount1, 8),
        entry.discount2Mark + rightAligned(entry.discount2, 7),
        rightAligned(entry.period, 6),
    }.join(QStringLiteral(", "));
}

bool headingDueAt(qint64 lines)
{
    return lines == 6 || (lines >= 9 && (lines - 9) % 40 == 0);
}

int linesBeforeLastEntry(qint64 lines)
{
    return lines > 30 && (lines - 15) % 40 == 0 ? 5 : 0;
}

QString dateField(const QString &line) { return line.section(u',', 0, 0).trimmed(); }

QString readingField(const QString &line) { return line.section(u',', 1, 1).trimmed(); }

}  // namespace records::history
