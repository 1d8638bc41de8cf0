#include "records/saved_entry.h"

#include "calc/numbers.h"
#include "records/record_texts.h"

namespace records::history {

namespace {

bool isDatedEntry(const QString &line, const calc::Context &context)
{
    return context.readDate(dateField(line)).has_value();
}

}  // namespace

std::optional<SavedEntry> lastSavedEntry(platform::Platform &desktop, const QString &fileName)
{
    const QString path = logPath(fileName);
    SavedEntry saved;
    const std::optional<LineCount> counted = countLines(desktop, path);
    if (!counted)
        return std::nullopt;
    saved.log = *counted;
    const calc::Context context{desktop.locale(), desktop.now().date().year()};
    const std::optional<NumberedLine> entry =
        lastLineWhere(desktop, path, saved.log, [&](const QString &line) { return isDatedEntry(line, context); });
    if (!entry)
        return std::nullopt;
    saved.entry = *entry;
    return saved;
}

bool followsSavedEntry(const QString &date, const NumberedLine &saved, const calc::Context &context)
{
    const std::optional<QDate> last = context.readDate(dateField(saved.text));
    const std::optional<QDate> next = context.readDate(date);
    return !last || !next || next->daysTo(*last) < 0;
}

std::optional<SavedReading> savedReading(const NumberedLine &entry, const calc::Context &context)
{
    const std::optional<QDate> date = context.readDate(dateField(entry.text));
    const QString reading = readingField(entry.text);
    if (!date || numbers::leading(reading) < 1)
        return std::nullopt;
    return SavedReading{*date, reading};
}

bool removeSavedEntry(platform::Platform &desktop, const QString &fileName, const SavedEntry &saved)
{
    const qint64 entryLines = saved.entry.index + 1;
    const qint64 first = saved.entry.index - linesBeforeLastEntry(entryLines);
    return removeLines(desktop, logPath(fileName), saved.log, first, entryLines - first);
}

}  // namespace records::history
