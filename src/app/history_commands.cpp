#include "app/aquabill_main.h"

#include "app/box_texts.h"
#include "app/record_captions.h"
#include "core/messages.h"
#include "calc/dates.h"
#include "records/history_entry.h"
#include "records/log_lock.h"
#include "records/pending_entry.h"
#include "records/record_texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace history = records::history;

namespace {

void showHistoryFileError(AquabillMain &window)
{
    window.desktop().message(messages::historyLogNotOpened(window.state().HistoryFileName), messages::historyLogErrorTitle,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
}

}  // namespace

void AquabillMain::FormatHistoryEntry()
{
    guarded(messages::formatLogErrorTitle, [&] {
        StepCode = 252;
        const calc::Tariff tariff = boxes::tariffIn(c);
        const calc::Readings readings = boxes::readingsIn(c);
        HistoryText.clear();
        HistoryEntryPending = false;
        // A log that cannot be read is as good as missing, and is reported so;
        // the calculation stands.
        std::optional<history::SavedEntry> last = lastSavedEntry(true);
        if (!last) {
            ReportMissingLog(QStringLiteral("history"), HistoryFileName);
            last = history::SavedEntry{};
        }

        StepCode = 253;
        if (tariff.noHistory == 0 && !history::followsSavedEntry(readings.date2, last->entry, calcContext()))
            PendingMessage += messages::dateTwoNotAfterLastSaved;
        if (!PendingMessage.isEmpty())
            return;
        HistoryText = history::pendingText(history::entryFor(tariff, readings, calcContext()),
                                           history::openingEntryFor(readings, calcContext()), last->log.lines,
                                           boxes::taxWord(c));
        HistoryEntryPending = true;
    });
}

std::optional<history::SavedEntry> AquabillMain::lastSavedEntry(bool reportMissing)
{
    CheckFolder(QStringLiteral("Log"));
    if (reportMissing ? CheckLogFile(QStringLiteral("history"), HistoryFileName)
                      : !desktop().fileExists(records::logPath(HistoryFileName)))
        return history::SavedEntry{};
    return history::lastSavedEntry(desktop(), HistoryFileName);
}

void AquabillMain::Get_Last_Click()
{
    CheckFolder(QStringLiteral("Log"));
    if (!CheckLogFile(QStringLiteral("history"), HistoryFileName)) {
        const std::optional<history::SavedEntry> last = lastSavedEntry(false);
        if (!last) {
            showHistoryFileError(*this);
            return;
        }
        const std::optional<history::SavedReading> saved = history::savedReading(last->entry, calcContext());
        if (!saved) {
            c.Status->setText(messages::noReadingsToRestore);
            c.Date1->setFocus();
        } else {
            Clear_Click();
            c.Status->setText(messages::readingsRestored);
            // Clear has just emptied Date2, so Date1 is the only date to put in the short form.
            c.Date1->setText(dates::shortDate(saved->date, locale()));
            c.NRead1->setText(saved->reading);
            c.Date2->setFocus();
        }
    }
    c.Timer1->start();
    c.Save->setEnabled(false);
    CheckSettings(true, true);
}

void AquabillMain::Del_Last_Click()
{
    const std::optional<history::SavedEntry> last = lastSavedEntry(true);
    if (!last) {
        showHistoryFileError(*this);
        return;
    }

    platform::Answer answer = platform::Answer::No;
    if (!last->holdsReading())
        ShowStatus(messages::noReadingsToDelete);
    else
        answer = desktop().message(messages::deleteLastReading, messages::deleteLastReadingTitle,
                                   platform::Buttons::YesNo, platform::Icon::Exclamation);

    if (answer == platform::Answer::Yes) {
        CheckFolder(QStringLiteral("Log"));
        if (!CheckLogFile(QStringLiteral("history"), HistoryFileName)) {
            // Another copy may have saved or removed an entry while the
            // question was open: the entry removed is the last one under the lock.
            const std::unique_ptr<platform::FileLock> lock =
                records::lockLog(desktop(), QStringLiteral("history"), HistoryFileName);
            if (!lock)
                return;
            const std::optional<history::SavedEntry> now = lastSavedEntry(false);
            if (!now || (now->entry.index >= 0 && !history::removeSavedEntry(desktop(), HistoryFileName, *now))) {
                showHistoryFileError(*this);
                return;
            }
        }
        ClearReadings();
        ClearActualResults();
        ClearPredictedResults();
        TidyResults();
        c.Save->setEnabled(false);
        ShowStatus(messages::lastReadingDeleted);
    }
    CheckSettings(true, true);
}
