#include "records/saved_entry.h"

#include "calc/dates.h"
#include "calc/numbers.h"
#include "records/record_texts.h"

namespace records::history {

bool isDatedEntry(const QString &line, const QLocale &locale, int currentYear)
{
    return dates::parse(dateField(line), locale, currentYear).has_value();
}

std::optional<SavedEntry> lastSavedEntry(platform::Platform &desktop, const QString &fileName)
{
    const QString path = logPath(fileName);
    SavedEntry saved;
    const std::optional<LineCount> counted = countLines(desktop, path);
    if (!counted)
        return std::nullopt;
    saved.log = *counted;
    const QLocale locale = desktop.locale();
    const int currentYear = desktop.now().date().year();
    const std::optional<NumberedLine> entry = lastLineWhere(
        desktop, path, saved.log, [&](const QString &line) { return isDatedEntry(line, locale, currentYear); });
    if (!entry)
        return std::nullopt;
    saved.entry = *entry;
    return saved;
}

bool followsSavedEntry(const QString &date, const NumberedLine &saved, const QLocale &locale, int currentYear)
{
    const std::optional<QDate> last = dates::parse(dateField(saved.text), locale, currentYear);
    const std::optional<QDate> next = dates::parse(date, locale, currentYear);
    return !last || !next || next->daysTo(*last) < 0;
}

std::optional<SavedReading> savedReading(const NumberedLine &entry, const QLocale &locale, int currentYear)
{
    const std::optional<QDate> date = dates::parse(dateField(entry.text), locale, currentYear);
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
