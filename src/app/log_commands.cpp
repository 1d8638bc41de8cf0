#include "app/aquabill_main.h"

#include "app/record_captions.h"
#include "core/messages.h"
#include "calc/dates.h"
#include "records/log_files.h"
#include "records/record_texts.h"

namespace {

// False when the log is missing, which has been reported.
bool logAtHand(AquabillMain &window, const QString &kind, const QString &fileName)
{
    window.CheckFolder(QStringLiteral("Log"));
    return !window.CheckLogFile(kind, fileName);
}

void viewLog(AquabillMain &window, const QString &kind, const QString &fileName)
{
    if (logAtHand(window, kind, fileName) && !window.desktop().startViewer(records::logPath(fileName)))
        window.desktop().message(messages::viewerNotStarted, messages::logFileErrorTitle, platform::Buttons::Ok,
                                 platform::Icon::Exclamation);
}

}  // namespace

void AquabillMain::CreateLogFiles()
{
    CheckFolder(QStringLiteral("Log"));
    const QString created = dates::ddMmmYyTime(desktop().now(), locale());
    const bool results = records::createUnlessPresent(desktop(), QStringLiteral("results"), ResultsFileName,
                                                      records::newResultsLog(created));
    const bool history = records::createUnlessPresent(desktop(), QStringLiteral("history"), HistoryFileName,
                                                      records::newHistoryLog(created, boxes::taxWord(c)));
    if (!results || !history)
        desktop().message(messages::logsNotCreated, messages::logFileErrorTitle, platform::Buttons::Ok,
                          platform::Icon::Exclamation);
}

bool AquabillMain::CheckLogFile(const QString &kind, const QString &fileName)
{
    if (desktop().fileExists(records::logPath(fileName)))
        return false;
    ReportMissingLog(kind, fileName);
    return true;
}

void AquabillMain::ReportMissingLog(const QString &kind, const QString &fileName)
{
    desktop().message(messages::missingLog(kind, fileName), messages::missingLogTitle(kind), platform::Buttons::Ok,
                      platform::Icon::Exclamation);
}

bool AquabillMain::WriteResultsLog()
{
    return logAtHand(*this, QStringLiteral("results"), ResultsFileName)
           && records::appendEntry(desktop(), QStringLiteral("results"), ResultsFileName,
                                   [this] { return std::optional(ResultsText); });
}

bool AquabillMain::WriteHistoryLog()
{
    return logAtHand(*this, QStringLiteral("history"), HistoryFileName)
           && records::appendHistoryEntry(desktop(), HistoryFileName, HistoryText, boxes::taxWord(c));
}

void AquabillMain::ViewH_Click() { viewLog(*this, QStringLiteral("history"), HistoryFileName); }

void AquabillMain::ViewL_Click() { viewLog(*this, QStringLiteral("results"), ResultsFileName); }
