#include "records/pending_entry.h"

#include "records/record_texts.h"

#include <QStringList>

namespace records::history {

namespace {

// `entries` is the entry line, or the opening entry's line and the entry line.
QString layOut(const QStringList &heading, const QStringList &entries, qint64 lines)
{
    QString text;
    if (headingDueAt(lines))
        text += crlf + heading.join(crlf) + crlf;
    if (lines == HeaderLines && entries.size() == 2)
        text += entries.first() + crlf;
    return text + entries.last();
}

}  // namespace

QString pendingText(const Entry &entry, const Entry &opening, qint64 lines, const QString &taxWord)
{
    return layOut(headingLines(taxWord), {entryLine(opening), entryLine(entry)}, lines);
}

QString laidOutFor(const QString &pending, qint64 lines, const QString &taxWord)
{
    QStringList entries = pending.split(crlf);
    QStringList heading = headingLines(taxWord);
    const qsizetype headingSize = heading.size() + 1;  // its first line is empty
    if (entries.size() > headingSize && entries.first().isEmpty() && entries.at(headingSize - 1) == heading.last()) {
        heading = entries.mid(1, headingSize - 1);
        entries = entries.mid(headingSize);
    }
    if (entries.size() > 2)
        return pending;
    return layOut(heading, entries, lines);
}

}  // namespace records::history
