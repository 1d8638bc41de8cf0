#include "records/log_lock.h"

#include "records/record_texts.h"

namespace records {

std::unique_ptr<platform::FileLock> lockLog(platform::Platform &desktop, const QString &kind, const QString &fileName)
{
    std::unique_ptr<platform::FileLock> lock = desktop.lockFile(logPath(fileName));
    if (!lock)
        desktop.message(QStringLiteral("Unable to lock the ") + kind + QStringLiteral(" log file ") + fileName
                            + QStringLiteral(".") + crlf
                            + QStringLiteral("Another copy of the program is using it; nothing was written."),
                        QStringLiteral("Aquabill Log File Error"), platform::Buttons::Ok, platform::Icon::Exclamation);
    return lock;
}

}  // namespace records
