#include "records/log_lock.h"

#include "core/messages.h"
#include "records/record_texts.h"

namespace records {

std::unique_ptr<platform::FileLock> lockLog(platform::Platform &desktop, const QString &kind, const QString &fileName)
{
    std::unique_ptr<platform::FileLock> lock = desktop.lockFile(logPath(fileName));
    if (!lock)
        desktop.message(messages::logLocked(kind, fileName), messages::logFileErrorTitle, platform::Buttons::Ok,
                        platform::Icon::Exclamation);
    return lock;
}

}  // namespace records
