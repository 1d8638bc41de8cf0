#include "app/user_folder.h"

#include "core/messages.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString installedFiles(const QString &binaryFolder)
{
    if (QFileInfo(binaryFolder + QStringLiteral("/Data")).exists())
        return QString();
    const QString shared = QDir::cleanPath(binaryFolder + QStringLiteral("/../share/aquabill"));
    return QFileInfo(shared + QStringLiteral("/Data/Aquabill.ini")).isFile() ? shared : QString();
}

QString userFolderPath(const QString &xdgDataHome, const QString &home)
{
    const QString data = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/aquabill"));
}

// Copies the files of one installed folder that the user's copy lacks. The
// copies belong to the user and must stay writable by them ("Sa&ve Data"
// rewrites the configuration), whatever the installed files' modes.
static bool fillFolder(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    const auto shipped = QDir(from).entryInfoList(QDir::Files | QDir::Readable);
    for (const QFileInfo &file : shipped) {
        const QString target = to + QLatin1Char('/') + file.fileName();
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
            continue;
        if (!QFile::copy(file.filePath(), target))
            return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

bool enterUserFolder(platform::Platform &desktop, const QString &installed, const QString &folder)
{
    const bool ready = fillFolder(installed + QStringLiteral("/Data"), folder + QStringLiteral("/Data")) &&
                       fillFolder(installed + QStringLiteral("/Help"), folder + QStringLiteral("/Help")) &&
                       QDir().mkpath(folder + QStringLiteral("/Log")) && QDir::setCurrent(folder);
    if (!ready)
        desktop.message(messages::folderUnprepared(QDir::toNativeSeparators(folder)), messages::directoryErrorTitle,
                        platform::Buttons::Ok, platform::Icon::Critical);
    return ready;
}
