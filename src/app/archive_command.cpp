#include "app/aquabill_main.h"

#include "core/messages.h"
#include "calc/dates.h"
#include "records/archive.h"
#include "records/log_files.h"
#include "records/log_lock.h"

#include <QLabel>
#include <QTimer>

namespace {

// The archive always works on the standard results log, whatever the
// window's results file is called.
const QString resultsLog = QStringLiteral("Log/Aquabill.log");

void showArchiveMessage(platform::Platform &desktop, const QString &text)
{
    desktop.message(text, messages::resultsLogErrorTitle, platform::Buttons::Ok, platform::Icon::Exclamation);
}

}  // namespace

void AquabillMain::Archive_Click()
{
    c.Status->clear();
    c.Timer1->stop();

    if (!desktop().folderExists(QStringLiteral("Log/"))) {
        desktop().message(messages::logFolderMissing, messages::logFolderMissingTitle, platform::Buttons::Ok,
                          platform::Icon::Critical);
        EndProgram(1);
    }
    if (!desktop().fileExists(resultsLog)) {
        showArchiveMessage(desktop(), messages::resultsLogMissing);
        return;
    }
    const std::optional<bool> data = records::archive::holdsData(desktop(), resultsLog);
    if (!data) {
        showArchiveMessage(desktop(), messages::notArchived);
        return;
    }

    const platform::Answer answer = desktop().message(messages::archiveQuestion, messages::archiveTitle,
                                                      platform::Buttons::YesNoCancel, platform::Icon::Exclamation);
    if (answer == platform::Answer::Cancel)
        return;

    QString done;
    if (answer == platform::Answer::Yes) {
        if (!*data) {
            showArchiveMessage(desktop(), messages::nothingToArchive);
            return;
        }
        done = messages::logArchived;
    } else {
        if (*data && desktop().message(messages::clearLog, messages::clearLogTitle, platform::Buttons::YesNo,
                                       platform::Icon::None)
                         != platform::Answer::Yes)
            return;
        done = messages::logCleared;
    }

    // Other copies of the program save nothing between the copy and the new
    // log, where a report would be in neither; they wait and then write into
    // the new log.
    const std::unique_ptr<platform::FileLock> lock =
        records::lockLog(desktop(), QStringLiteral("results"), QStringLiteral("Aquabill.log"));
    if (!lock)
        return;
    if (answer == platform::Answer::Yes) {
        const std::optional<QString> archive = records::archive::nextName(desktop());
        if (!archive || !desktop().copyFile(resultsLog, *archive)) {
            showArchiveMessage(desktop(), messages::notArchived);
            return;
        }
    }

    // The new log replaces the old one in one step: a failure leaves the old
    // log, and its reports, exactly as they were.
    const QString created = dates::shortDateTime(desktop().now(), locale());
    if (!desktop().replaceFile(resultsLog, records::newResultsLog(created))) {
        showArchiveMessage(desktop(), messages::notArchived);
        return;
    }
    ShowStatus(done);
}
