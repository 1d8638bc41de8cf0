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

void AquabillMain::Get_Last_Click()
{
    CheckFolder(QStringLiteral("Log"));
    if (!CheckLogFile(QStringLiteral("history"), HistoryFileName)) {
        const std::optional<records::LineCount> log = records::countLines(desktop(), records::logPath(HistoryFileName));
        if (!log) {
            showHistoryFileError(*this);
            return;
        }
        const QString date = history::dateField(log->lastLine);
        const QString reading = history::readingField(log->lastLine);
        const std::optional<QDate> saved = dates::parse(date, locale());
        if (!saved || numbers::leading(reading) < 1) {
            c.Status->setText(QStringLiteral("No Saved Meter Readings To Restore"));
            c.Date1->setFocus();
        } else {
            Clear_Click();
            c.Status->setText(QStringLiteral("Last Readings Restored"));
            c.Date1->setText(dates::shortDate(*saved, locale()));
            c.NRead1->setText(reading);
            if (const std::optional<QDate> date2 = dates::parse(c.Date2->text(), locale()))
                c.Date2->setText(dates::shortDate(*date2, locale()));
            c.Date2->setFocus();
        }
    }
    c.Timer1->start();
    c.Save->setEnabled(false);
    CheckSettings(true, true);
}

void AquabillMain::Del_Last_Click()
{
    const QString path = records::logPath(HistoryFileName);
    CheckFolder(QStringLiteral("Log"));
    records::LineCount log;
    if (!CheckLogFile(QStringLiteral("history"), HistoryFileName)) {
        const std::optional<records::LineCount> counted = records::countLines(desktop(), path);
        if (!counted) {
            showHistoryFileError(*this);
            return;
        }
        log = *counted;
    }
    const qint64 lines = log.lines;

    platform::Answer answer = platform::Answer::No;
    if (lines <= history::HeaderLines) {
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
            // question was open: the entry cut is the last one under the lock.
            const std::unique_ptr<platform::FileLock> lock = records::lockLog(desktop(), QStringLiteral("history"), HistoryFileName);
            if (!lock)
                return;
            const std::optional<records::LineCount> counted = records::countLines(desktop(), path);
            const qint64 now = counted ? counted->lines : 0;
            const qint64 keep = now - 1 - history::linesBeforeLastEntry(now);
            if (!counted || (now > history::HeaderLines && !records::keepFirstLines(desktop(), path, *counted, keep))) {
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
