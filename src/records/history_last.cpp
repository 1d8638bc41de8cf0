#include "app/aquabill_main.h"

#include "calc/dates.h"
#include "calc/numbers.h"
#include "records/history_layout.h"
#include "records/log_lock.h"
#include "records/log_streams.h"
#include "records/record_texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using records::crlf;
namespace history = records::history;

namespace {

void showHistoryFileError(AquabillMain &window)
{
    window.desktop().message(QStringLiteral("Unable to opem the history log ") + window.HistoryFileName
                                 + QStringLiteral(".") + crlf + QStringLiteral("This may be a permissions problem."),
                             QStringLiteral("Aquabill History Log File Error"), platform::Buttons::Ok,
                             platform::Icon::Exclamation);
}

}  // namespace

bool AquabillMain::isDatedEntry(const QString &line) const
{
    return readDate(history::dateField(line)).has_value();
}

std::optional<AquabillMain::SavedEntry> AquabillMain::lastSavedEntry(bool reportMissing)
{
    SavedEntry saved;
    CheckFolder(QStringLiteral("Log"));
    if (reportMissing ? CheckLogFile(QStringLiteral("history"), HistoryFileName)
                      : !desktop().fileExists(records::logPath(HistoryFileName)))
        return saved;
    const QString path = records::logPath(HistoryFileName);
    const std::optional<records::LineCount> counted = records::countLines(desktop(), path);
    if (!counted)
        return std::nullopt;
    saved.log = *counted;
    const std::optional<records::NumberedLine> entry =
        records::lastLineWhere(desktop(), path, saved.log, [this](const QString &line) { return isDatedEntry(line); });
    if (!entry)
        return std::nullopt;
    saved.entry = *entry;
    return saved;
}

void AquabillMain::Get_Last_Click()
{
    CheckFolder(QStringLiteral("Log"));
    if (!CheckLogFile(QStringLiteral("history"), HistoryFileName)) {
        const std::optional<SavedEntry> last = lastSavedEntry(false);
        if (!last) {
            showHistoryFileError(*this);
            return;
        }
        const QString date = history::dateField(last->entry.text);
        const QString reading = history::readingField(last->entry.text);
        const std::optional<QDate> saved = readDate(date);
        if (!saved || numbers::leading(reading) < 1) {
            c.Status->setText(QStringLiteral("No Saved Meter Readings To Restore"));
            c.Date1->setFocus();
        } else {
            Clear_Click();
            c.Status->setText(QStringLiteral("Last Readings Restored"));
            c.Date1->setText(dates::shortDate(*saved, locale()));
            c.NRead1->setText(reading);
            if (const std::optional<QDate> date2 = readDate(c.Date2->text()))
                c.Date2->setText(dates::shortDate(*date2, locale()));
            c.Date2->setFocus();
        }
    }
    c.Timer1->start();
    c.Save->setEnabled(false);
    CheckSettings(true, true);
}

// The entry goes with the heading block above it when it opens a page.
bool AquabillMain::removeSavedEntry(const SavedEntry &saved)
{
    const qint64 entryLines = saved.entry.index + 1;
    const qint64 first = saved.entry.index - history::linesBeforeLastEntry(entryLines);
    return records::removeLines(desktop(), records::logPath(HistoryFileName), saved.log, first, entryLines - first);
}

void AquabillMain::Del_Last_Click()
{
    const std::optional<SavedEntry> last = lastSavedEntry(true);
    if (!last) {
        showHistoryFileError(*this);
        return;
    }

    platform::Answer answer = platform::Answer::No;
    if (last->log.lines <= history::HeaderLines || last->entry.index < 0) {
        ShowStatus(QStringLiteral("No Saved Meter Readings To Delete"));
    } else {
        answer = desktop().message(QStringLiteral("Are you sure you want to delete") + crlf
                                       + QStringLiteral("the last saved meter reading?"),
                                   QStringLiteral("Aquabill Modify History File"), platform::Buttons::YesNo,
                                   platform::Icon::Exclamation);
    }

    if (answer == platform::Answer::Yes) {
        CheckFolder(QStringLiteral("Log"));
        if (!CheckLogFile(QStringLiteral("history"), HistoryFileName)) {
            // Another copy may have saved or removed an entry while the
            // question was open: the entry removed is the last one under the lock.
            const std::unique_ptr<platform::FileLock> lock = records::lockLog(desktop(), QStringLiteral("history"), HistoryFileName);
            if (!lock)
                return;
            const std::optional<SavedEntry> now = lastSavedEntry(false);
            if (!now || (now->entry.index >= 0 && !removeSavedEntry(*now))) {
                showHistoryFileError(*this);
                return;
            }
        }
        ClearReadings();
        ClearActualResults();
        ClearPredictedResults();
        TidyResults();
        c.Save->setEnabled(false);
        ShowStatus(QStringLiteral("Last Saved Meter Reading Deleted"));
    }
    CheckSettings(true, true);
}
