#include "app/aquabill_main.h"

#include "calc/dates.h"
#include "records/log_lock.h"
#include "records/record_texts.h"

#include <QLabel>
#include <QTimer>
#include <limits>

using records::crlf;

namespace {

const QString resultsLog = QStringLiteral("Log/Aquabill.log");

// A log holds data once a report has been saved into it: every report has a
// "Water" line, the title blocks and start-up entries have none. Nothing when
// the log cannot be read.
std::optional<bool> holdsData(platform::Platform &desktop)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(resultsLog);
    if (!reader)
        return std::nullopt;
    while (!reader->atEnd()) {
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line)
            return std::nullopt;
        if (line->trimmed().startsWith("Water"))
            return true;
    }
    return false;
}

// The first free archive name of the day, counting from 1; nothing once the
// day's counter is used up.
std::optional<QString> archiveName(platform::Platform &desktop)
{
    const QString stem = QStringLiteral("Log/Aquabill_") + desktop.now().date().toString(QStringLiteral("yyMMdd"))
                         + QStringLiteral("_");
    for (int counter = 1; counter <= std::numeric_limits<qint16>::max(); ++counter) {
        const QString name = stem + QString::number(counter) + QStringLiteral(".log");
        if (!desktop.fileExists(name))
            return name;
    }
    return std::nullopt;
}

void showArchiveMessage(platform::Platform &desktop, const QString &text)
{
    desktop.message(text, QStringLiteral("Aquabill Results Log File Error"), platform::Buttons::Ok,
                    platform::Icon::Exclamation);
}

void showArchiveFailure(platform::Platform &desktop)
{
    showArchiveMessage(desktop, QStringLiteral("Unable to archive the results log file Aquabill.log.") + crlf
                                    + QStringLiteral("This may be a permissions problem."));
}

}  // namespace

void AquabillMain::Archive_Click()
{
    c.Status->clear();
    c.Timer1->stop();

    if (!desktop().folderExists(QStringLiteral("Log/"))) {
        desktop().message(QStringLiteral("The log directory does not exist.") + crlf
                              + QStringLiteral("To restore the log directory") + crlf
                              + QStringLiteral("reinstall the program.") + crlf
                              + QStringLiteral("The program will now terminate."),
                          QStringLiteral("Aquabill Log Directory Error"), platform::Buttons::Ok, platform::Icon::Critical);
        EndProgram(1);
    }
    if (!desktop().fileExists(resultsLog)) {
        showArchiveMessage(desktop(), QStringLiteral("The results log file is either missing") + crlf
                                          + QStringLiteral("or corrupted. Delete the log file if") + crlf
                                          + QStringLiteral("it exists and restart the program."));
        return;
    }
    const std::optional<bool> data = holdsData(desktop());
    if (!data) {
        showArchiveFailure(desktop());
        return;
    }

    const platform::Answer answer = desktop().message(
        QStringLiteral("Do you want to archive the log file?") + crlf
            + QStringLiteral("To Archive the results log file and create a new one click Yes") + crlf
            + QStringLiteral("To Clear the results log file without archiving it click No") + crlf
            + QStringLiteral("Click Cancel to return"),
        QStringLiteral("Archive Aquabill Results Log File"), platform::Buttons::YesNoCancel, platform::Icon::Exclamation);
    if (answer == platform::Answer::Cancel)
        return;

    QString done;
    if (answer == platform::Answer::Yes) {
        if (!*data) {
            showArchiveMessage(desktop(), QStringLiteral("There is no data to archive!") + crlf
                                              + QStringLiteral("Results log file not archived."));
            return;
        }
        done = QStringLiteral("Results Log File Archived");
    } else {
        if (*data && desktop().message(QStringLiteral("Are you sure you want to create a new results log file?"),
                                       QStringLiteral("Aquabill Create New Log File"), platform::Buttons::YesNo,
                                       platform::Icon::None)
                         != platform::Answer::Yes)
            return;
        done = QStringLiteral("Results Log File Cleared");
    }

    // Other copies of the program save nothing between the copy and the new
    // log, where a report would be in neither; they wait and then write into
    // the new log.
    const std::unique_ptr<platform::FileLock> lock = records::lockLog(desktop(), QStringLiteral("results"), QStringLiteral("Aquabill.log"));
    if (!lock)
        return;
    if (answer == platform::Answer::Yes) {
        const std::optional<QString> archive = archiveName(desktop());
        if (!archive || !desktop().copyFile(resultsLog, *archive)) {
            showArchiveFailure(desktop());
            return;
        }
    }

    // The new log replaces the old one in one step: a failure leaves the old
    // log, and its reports, exactly as they were.
    const QString created = dates::shortDateTime(desktop().now(), locale());
    if (!desktop().replaceFile(resultsLog, records::resultsTitleBlock(created) + crlf)) {
        showArchiveFailure(desktop());
        return;
    }
    ShowStatus(done);
}
