#include "app/aquabill_main.h"

#include "calc/dates.h"
#include "records/record_texts.h"

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
    bool failed = false;
    if (!desktop().fileExists(logPath(ResultsFileName)))
        failed |= !desktop().replaceFile(logPath(ResultsFileName), records::resultsTitleBlock(created) + crlf);
    if (!desktop().fileExists(logPath(HistoryFileName))) {
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

bool appendEntry(AquabillMain &window, const QString &kind, const QString &fileName, const QString &text)
{
    window.CheckFolder(QStringLiteral("Log"));
    if (window.CheckLogFile(kind, fileName))
        return false;
    if (window.desktop().appendLine(logPath(fileName), text))
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
    return appendEntry(*this, QStringLiteral("results"), ResultsFileName, ResultsText);
}

bool AquabillMain::WriteHistoryLog()
{
    return appendEntry(*this, QStringLiteral("history"), HistoryFileName, HistoryText);
}

void AquabillMain::ViewH_Click() { viewLog(*this, QStringLiteral("history"), HistoryFileName); }

void AquabillMain::ViewL_Click() { viewLog(*this, QStringLiteral("results"), ResultsFileName); }
