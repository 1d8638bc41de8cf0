// A random history log: counted as every log command counts it, searched for its
// last dated entry as Get Last searches it, cut as Rem Last cuts it, and appended to.
#include "fuzz_input.h"

#include "calc/dates.h"
#include "calc/numbers.h"
#include "platform/qt_platform.h"
#include "records/history_layout.h"
#include "records/log_streams.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
                  "the log can be written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The working folder stays where it is: libFuzzer reads its corpus from there.
    static QTemporaryDir folder;
    static platform::QtPlatform desktop;
    const QString path = folder.filePath(QStringLiteral("Aquabill_H.log"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    write(path, bytes);

    const std::optional<records::LineCount> log = records::countLines(desktop, path);
    fuzz::require(log.has_value(), "a log that is there can be counted");
    const qint64 lineEnds = bytes.count('\n');
    fuzz::require(log->lines == lineEnds + (bytes.endsWith('\n') || bytes.isEmpty() ? 0 : 1), "every line is counted");
    fuzz::require(log->bytes == bytes.size(), "the count reads to the end");

    // Get Last and the Date 2 check: the last line that holds a dated entry.
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    const std::optional<records::NumberedLine> entry = records::lastLineWhere(desktop, path, *log, [&](const QString &line) {
        return dates::parse(records::history::dateField(line), locale, 2026).has_value();
    });
    fuzz::require(entry && entry->index < log->lines, "the last entry is found among the lines");
    numbers::leading(records::history::readingField(entry->text));
    records::history::headingDueAt(log->lines);

    // Rem Last: the entry goes, with the headings above it when it opens a page, and no other line.
    if (entry->index >= 0) {
        const qint64 entryLines = entry->index + 1;
        const qint64 first = entry->index - records::history::linesBeforeLastEntry(entryLines);
        fuzz::require(records::removeLines(desktop, path, *log, first, entryLines - first), "the entry is removed");
        const QByteArray kept = contents(path);
        fuzz::require(kept.count('\n') == log->lines - (entryLines - first), "only the entry's lines go");
        write(path, bytes);
    }

    // An append lands on a line of its own, whatever the last line was.
    fuzz::require(desktop.appendLine(path, QStringLiteral("12/01/2020,  1234.0")), "the append is made");
    const std::optional<records::LineCount> appended = records::countLines(desktop, path);
    fuzz::require(appended && appended->lines == log->lines + 1, "an append adds one line");
    fuzz::require(appended->recentLine(appended->lines - 1) == QStringLiteral("12/01/2020,  1234.0"),
                  "the append is the last line");
    return 0;
}
