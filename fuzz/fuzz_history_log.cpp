// A random history log: counted to its last line as every log command does,
// read as Get Last reads it, appended to, and cut as Rem Last cuts it.
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

    const QString date = records::history::dateField(log->lastLine);
    const QString reading = records::history::readingField(log->lastLine);
    dates::parse(date, QLocale(QLocale::English, QLocale::UnitedKingdom));
    numbers::leading(reading);
    records::history::headingDueAt(log->lines);

    // Rem Last: the lines kept are the first ones, exactly as they were.
    if (log->lines > 0) {
        const qint64 keep = log->lines - 1 - records::history::linesBeforeLastEntry(log->lines);
        fuzz::require(records::keepFirstLines(desktop, path, *log, keep), "the cut is made");
        const QByteArray kept = contents(path);
        fuzz::require(bytes.startsWith(kept) && kept.count('\n') == keep, "the cut keeps the first lines");
        write(path, bytes);
    }

    // An append lands on a line of its own, whatever the last line was.
    fuzz::require(desktop.appendLine(path, QStringLiteral("12/01/2020,  1234.0")), "the append is made");
    const std::optional<records::LineCount> appended = records::countLines(desktop, path);
    fuzz::require(appended && appended->lines == log->lines + 1, "an append adds one line");
    fuzz::require(appended->lastLine == QStringLiteral("12/01/2020,  1234.0"), "the append is the last line");
    return 0;
}
