#include "app/aquabill_main.h"
#include "app/single_instance.h"
#include "app/user_folder.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::QtPlatform desktop;

    const QString installed = installedFiles(QCoreApplication::applicationDirPath());
    if (!installed.isEmpty() &&
        !enterUserFolder(desktop, installed, userFolderPath(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath())))
        return 1;

    // The argument text is everything after the program name, compared whole.
    const QString arguments = QApplication::arguments().mid(1).join(QLatin1Char(' '));

    if (!IsPreviousInstance(desktop, QStringLiteral("Auqabill")))
        desktop.createNamedLock(QStringLiteral("Aquabill"));

    AquabillMain window(desktop, arguments);
    if (!window.start())
        return window.exitCode();
    const int code = app.exec();
    return window.hasEnded() ? window.exitCode() : code;
}
