#include "app/user_folder.h"
#include "platform/scripted_platform.h"

#include <QtTest>

// Lays out "path=content" files, "path/" folders and "path->target" links below root.
static void layOut(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (const QStringList link = entry.split(QLatin1String("->")); link.size() == 2) {
            QVERIFY(QDir().mkpath(QFileInfo(root + QLatin1Char('/') + link[0]).path()));
            QVERIFY(QFile::link(link[1], root + QLatin1Char('/') + link[0]));
            continue;
        }
        const QString path = root + QLatin1Char('/') + entry.section(QLatin1Char('='), 0, 0);
        if (path.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(path));
            continue;
        }
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entry.section(QLatin1Char('='), 1).toUtf8());
    }
}

class TestUserFolder : public QObject {
    Q_OBJECT

private slots:
    void installedFilesLieBesideTheBinFolder_data()
    {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QString>("binaryFolder");
        QTest::addColumn<QString>("installed");  // empty: the program works where it was started
        QTest::newRow("installed") << QStringList{"usr/bin/", "usr/share/aquabill/Data/Aquabill.ini=x"} << "usr/bin"
                                   << "usr/share/aquabill";
        QTest::newRow("program folder beside installed files")
            << QStringList{"p/bin/Data/Aquabill.ini=x", "p/share/aquabill/Data/Aquabill.ini=x"} << "p/bin" << "";
        QTest::newRow("build folder") << QStringList{"build/"} << "build" << "";
        QTest::newRow("installed files without a configuration")
            << QStringList{"usr/bin/", "usr/share/aquabill/Data/", "usr/share/aquabill/Help/index.htm=x"} << "usr/bin"
            << "";
    }

    void installedFilesLieBesideTheBinFolder()
    {
        QFETCH(QStringList, layout);
        QFETCH(QString, binaryFolder);
        QFETCH(QString, installed);
        QTemporaryDir root;
        layOut(root.path(), layout);
        QCOMPARE(installedFiles(root.filePath(binaryFolder)), installed.isEmpty() ? "" : root.filePath(installed));
    }

    void userFolderFollowsTheDataHome_data()
    {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("folder");
        QTest::newRow("set") << "/srv/data" << "/srv/data/aquabill";
        QTest::newRow("unset") << "" << "/home/ann/.local/share/aquabill";
        QTest::newRow("relative, so ignored") << "data" << "/home/ann/.local/share/aquabill";
    }

    void userFolderFollowsTheDataHome()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, folder);
        QCOMPARE(userFolderPath(xdgDataHome, QStringLiteral("/home/ann")), folder);
    }

    void enteringTheUserFolderFillsOnlyWhatIsMissing_data()
    {
        QTest::addColumn<QStringList>("before");  // below the test's folder; the user folder is "user"
        QTest::addColumn<QStringList>("after");   // in the user folder; "Log/" must be a folder
        QTest::newRow("user's files kept, missing ones added")
            << QStringList{"user/Data/Aquabill.ini=mine", "user/Log/Aquabill.log=my results"}
            << QStringList{"Data/Aquabill.ini=mine", "Help/index.htm=shipped help", "Log/Aquabill.log=my results"};
        QTest::newRow("own help page kept, deleted folders made again")
            << QStringList{"user/Help/index.htm=my help"}
            << QStringList{"Data/Aquabill.ini=shipped ini", "Help/index.htm=my help", "Log/"};
    }

    void enteringTheUserFolderFillsOnlyWhatIsMissing()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QTemporaryDir root;
        layOut(root.path(), before + QStringList{"installed/Data/Aquabill.ini=shipped ini",
                                                 "installed/Help/index.htm=shipped help"});
        // Installed files are read-only to the user; the user's copies may not be.
        QFile::setPermissions(root.filePath("installed/Data/Aquabill.ini"), QFile::ReadOwner | QFile::ReadOther);
        const QString previous = QDir::currentPath();
        ScriptedPlatform desktop;

        const bool entered = enterUserFolder(desktop, root.filePath("installed"), root.filePath("user"));
        const QString current = QDir::currentPath();
        QDir::setCurrent(previous);
        QVERIFY(entered);
        QCOMPARE(current, root.filePath("user"));
        QCOMPARE(desktop.shown.size(), 0);
        for (const QString &entry : after) {
            const QString path = root.filePath("user/" + entry.section(QLatin1Char('='), 0, 0));
            if (path.endsWith(QLatin1Char('/'))) {
                QVERIFY2(QFileInfo(path).isDir(), qPrintable(path));
                continue;
            }
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            QCOMPARE(QString::fromUtf8(file.readAll()), entry.section(QLatin1Char('='), 1));
        }
        QVERIFY(QFile::permissions(root.filePath("user/Data/Aquabill.ini")) & QFile::WriteOwner);
    }

    void aFolderThatCannotBeFilledEndsTheStart_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::newRow("the folder") << "user=a file where the folder belongs";
        QTest::newRow("its Data folder alone") << "user/Data=a file where the folder belongs";
        // Even root cannot make a file in /proc, so the copy fails for any user.
        QTest::newRow("a Data folder that takes no files") << "user/Data->/proc";
    }

    void aFolderThatCannotBeFilledEndsTheStart()
    {
        QFETCH(QString, inTheWay);
        QTemporaryDir root;
        layOut(root.path(), {"installed/Data/Aquabill.ini=shipped ini", "installed/Help/index.htm=help", inTheWay});
        const QString previous = QDir::currentPath();
        ScriptedPlatform desktop;

        QVERIFY(!enterUserFolder(desktop, root.filePath("installed"), root.filePath("user")));
        QCOMPARE(QDir::currentPath(), previous);
        QCOMPARE(desktop.shown.size(), 1);
        QCOMPARE(desktop.shown[0].title, "Aquabill Directory Error");
        QCOMPARE(desktop.shown[0].text, "Unable to prepare the folder\r\n" + root.filePath("user") +
                                            "\r\nThis may be a permissions problem.\r\nThe program will now terminate.");
        QCOMPARE(desktop.shown[0].icon, platform::Icon::Critical);
    }
};

QTEST_MAIN(TestUserFolder)
#include "test_user_folder.moc"
