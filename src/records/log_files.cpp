#include "app/aquabill_main.h"

#include "calc/dates.h"
#include "records/log_lock.h"
#include "records/log_streams.h"
#include "records/pending_entry.h"
#include "records/record_texts.h"

#include <QLabel>
#include <functional>

using records::crlf;
using records::logPath;

namespace {

QString capitalised(const QString &word) { return word.left(1).toUpper() + word.mid(1); }

void showLogFileError(platform::Platform &desktop, const QString &text)
{
    desktop.message(text + crlf + QStringLiteral("This may be a permissions problem."),
                    QStringLiteral("Aquabill Log File Error"), platform::Buttons::Ok, platform::Icon::Exclamation);
}

}  // namespace

void AquabillMain::CreateLogFiles()
{
    CheckFolder(QStringLiteral("Log"));
    const QString created = dates::ddMmmYyTime(desktop().now(), locale());

    // Each log is written whole beside its final name, so a failed creation
    // leaves no empty or half-titled log for later operations to trip over.
    // Under the lock, so that a copy starting at the same moment cannot
    // replace a log into which this one has already saved.
    bool failed = false;
    if (const auto lock = records::lockLog(desktop(), QStringLiteral("results"), ResultsFileName);
        lock && !desktop().fileExists(logPath(ResultsFileName)))
        failed |= !desktop().replaceFile(logPath(ResultsFileName), records::resultsTitleBlock(created) + crlf);
    if (const auto lock = records::lockLog(desktop(), QStringLiteral("history"), HistoryFileName);
        lock && !desktop().fileExists(logPath(HistoryFileName))) {
        HistoryText = records::historyTitleBlock(created);
        AppendHistoryHeading();
        failed |= !desktop().replaceFile(logPath(HistoryFileName), HistoryText + crlf);
    }
    if (failed)
        showLogFileError(desktop(), QStringLiteral("Unable to create the log files."));
}

bool AquabillMain::CheckLogFile(const QString &kind, const QString &fileName)
{
    if (desktop().fileExists(logPath(fileName)))
        return false;
    ReportMissingLog(kind, fileName);
    return true;
}

void AquabillMain::ReportMissingLog(const QString &kind, const QString &fileName)
{
    desktop().message(QStringLiteral("The ") + kind + QStringLiteral(" log file is either missing") + crlf
                          + QStringLiteral("or corrupted. Delete the log file ") + crlf + fileName
                          + QStringLiteral(" if it exists and restart") + crlf + QStringLiteral("the program."),
                      QStringLiteral("Aquabill ") + capitalised(kind) + QStringLiteral(" Log File Error"),
                      platform::Buttons::Ok, platform::Icon::Exclamation);
}

namespace {

// The entry is made under the lock, so that it can fit the log as it is at
// the moment of the append; nothing when the log cannot be read.
bool appendEntry(AquabillMain &window, const QString &kind, const QString &fileName,
                 const std::function<std::optional<QString>()> &entry)
{
    window.CheckFolder(QStringLiteral("Log"));
    if (window.CheckLogFile(kind, fileName))
        return false;
    const std::unique_ptr<platform::FileLock> lock = records::lockLog(window.desktop(), kind, fileName);
    if (!lock)
        return false;
    const std::optional<QString> text = entry();
    if (text && window.desktop().appendLine(logPath(fileName), *text))
        return true;
    showLogFileError(window.desktop(),
                     QStringLiteral("Unable to write to the ") + kind + QStringLiteral(" log file ") + fileName + u'.');
    return false;
}

void viewLog(AquabillMain &window, const QString &kind, const QString &fileName)
{
    window.CheckFolder(QStringLiteral("Log"));
    if (window.CheckLogFile(kind, fileName))
        return;
    if (!window.desktop().startViewer(logPath(fileName)))
        window.desktop().message(QStringLiteral("Unable to run Notepad") + crlf + QStringLiteral("Check that it exists and")
                                     + crlf + QStringLiteral("is working properly."),
                                 QStringLiteral("Aquabill Log File Error"), platform::Buttons::Ok,
                                 platform::Icon::Exclamation);
}

}  // namespace

bool AquabillMain::WriteResultsLog()
{
    return appendEntry(*this, QStringLiteral("results"), ResultsFileName, [this] { return std::optional(ResultsText); });
}

bool AquabillMain::WriteHistoryLog()
{
    // Headings and the opening entry go where the log needs them now, whatever
    // other copies have saved or removed since the entry was prepared.
    return appendEntry(*this, QStringLiteral("history"), HistoryFileName, [this]() -> std::optional<QString> {
        const std::optional<records::LineCount> log = records::countLines(desktop(), logPath(HistoryFileName));
        if (!log)
            return std::nullopt;
        return records::history::laidOutFor(HistoryText, log->lines, c.VATH->text().left(3));
    });
}

void AquabillMain::ViewH_Click() { viewLog(*this, QStringLiteral("history"), HistoryFileName); }

void AquabillMain::ViewL_Click() { viewLog(*this, QStringLiteral("results"), ResultsFileName); }
