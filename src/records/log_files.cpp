#include "records/log_files.h"

#include "core/messages.h"
#include "records/history_layout.h"
#include "records/log_lock.h"
#include "records/log_streams.h"
#include "records/pending_entry.h"
#include "records/record_texts.h"

namespace records {

QString newResultsLog(const QString &created) { return resultsTitleBlock(created) + crlf; }

QString newHistoryLog(const QString &created, const QString &taxWord)
{
    return historyTitleBlock(created) + crlf + history::headingLines(taxWord).join(crlf) + crlf;
}

bool createUnlessPresent(platform::Platform &desktop, const QString &kind, const QString &fileName,
                         const QString &content)
{
    const std::unique_ptr<platform::FileLock> lock = lockLog(desktop, kind, fileName);
    if (!lock || desktop.fileExists(logPath(fileName)))
        return true;
    return desktop.replaceFile(logPath(fileName), content);
}

bool appendEntry(platform::Platform &desktop, const QString &kind, const QString &fileName,
                 const std::function<std::optional<QString>()> &entry)
{
    const std::unique_ptr<platform::FileLock> lock = lockLog(desktop, kind, fileName);
    if (!lock)
        return false;
    const std::optional<QString> text = entry();
    if (text && desktop.appendLine(logPath(fileName), *text))
        return true;
    desktop.message(messages::logNotWritten(kind, fileName), messages::logFileErrorTitle, platform::Buttons::Ok,
                    platform::Icon::Exclamation);
    return false;
}

bool appendHistoryEntry(platform::Platform &desktop, const QString &fileName, const QString &pending,
                        const QString &taxWord)
{
    return appendEntry(desktop, QStringLiteral("history"), fileName, [&]() -> std::optional<QString> {
        const std::optional<LineCount> log = countLines(desktop, logPath(fileName));
        if (!log)
            return std::nullopt;
        return history::laidOutFor(pending, log->lines, taxWord);
    });
}

}  // namespace records
