#pragma once

#include <QString>
#include <QStringList>

// The layout of the history log: a table of fixed-width columns whose line
// count decides where the column headings repeat.
namespace records::history {

// Heading lines 2 to 5 of the column heading block (the block's first line is
// empty); `taxWord` is "VAT" or "Tax".
QStringList headingLines(const QString &taxWord);

// The eleven columns of one entry, each value as the window holds it. Left at
// their defaults the columns are blank, as in the opening entry.
struct Entry {
    QString date, reading;
    QString waterVolume, waterFixed, sewageVolume, sewageFixed;
    QString allowance, allowanceMark = QStringLiteral(" ");
    QString taxRate, taxMark = QStringLiteral(" ");
    QString discount1;  // with its "%" when it is a percentage
    QString discount2Mark = QStringLiteral(" "), discount2;
    QString period;     // "1 mth", "6 mth"
};

// The entry line: the columns padded to their widths, joined by ", ". A value
// wider than its column is written whole and widens that one line.
QString entryLine(const Entry &entry);

// A new log's title and heading blocks fill this many lines; a log of no more
// lines holds no saved reading.
constexpr qint64 HeaderLines = 11;

// True when an entry saved into a log of `lines` lines has to be preceded by
// the heading block: after the title block alone, and at the start of each page
// (the first page holds 38 entries, every later one 35 under its headings).
bool headingDueAt(qint64 lines);

// Lines that go with the last entry of a log of `lines` lines when it is
// removed: the heading block above it, when it is the first entry of a page.
int linesBeforeLastEntry(qint64 lines);

// The stored date and meter reading of an entry line, without their padding:
// the first and second fields between its commas, which on a line of standard
// widths are its first 11 characters and characters 14 to 20.
QString dateField(const QString &line);
QString readingField(const QString &line);

}  // namespace records::history
