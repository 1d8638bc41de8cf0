#include "support/program_folder.h"

#include <QtTest>

// The installed binary started as a user would start it: from some other
// folder, with a home and runtime folder of its own. The test quits it once
// its start-up entry is in the user's results log.
class TestInstalledStart : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QProcessEnvironment m_environment;

    static int startsIn(const QByteArray &resultsLog) { return int(resultsLog.count("Aquabill Started\r\n")); }

    // Starts the program and quits it once it has appended one more start-up
    // entry to the given results log.
    void startOnce(const QString &resultsLog)
    {
        auto logged = [&] {
            QFile file(resultsLog);
            return file.open(QIODevice::ReadOnly) ? startsIn(file.readAll()) : 0;
        };
        const int before = logged();
        QProcess program;
        program.setProcessEnvironment(m_environment);
        program.setWorkingDirectory(m_root->path());
        program.start(qEnvironmentVariable("AQUABILL_INSTALLED"));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(logged(), before + 1, 20000);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("home")));
        QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("runtime")));
        QFile::setPermissions(m_root->filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner |
                                                                           QFile::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("HOME"), m_root->filePath(QStringLiteral("home")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root->filePath(QStringLiteral("runtime")));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.remove(QStringLiteral("XDG_DATA_HOME"));
    }

    void userFolderIsMadeOnceAndThenKept_data()
    {
        QTest::addColumn<QString>("xdgDataHome");  // made absolute below the test's folder unless it starts with '='
        QTest::addColumn<QString>("userFolder");
        QTest::addColumn<QString>("untouched");  // nothing may be made there
        QTest::newRow("data home set") << "data" << "data/aquabill" << "home/.local";
        QTest::newRow("data home unset") << QString() << "home/.local/share/aquabill" << "Log";
        QTest::newRow("data home relative") << "=data" << "home/.local/share/aquabill" << "data";
    }

    void userFolderIsMadeOnceAndThenKept()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, userFolder);
        QFETCH(QString, untouched);
        if (xdgDataHome.startsWith(QLatin1Char('=')))
            m_environment.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome.mid(1));
        else if (!xdgDataHome.isEmpty())
            m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_root->filePath(xdgDataHome));
        const QDir folder(m_root->filePath(userFolder));
        auto read = [&](const QString &name) {
            QFile file(folder.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
        };
        auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(folder.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };

        startOnce(folder.filePath(QStringLiteral("Log/Aquabill.log")));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(read(QStringLiteral("Data/Aquabill.ini")), ProgramFolder::shippedConfiguration());
        QFile shippedHelp(qEnvironmentVariable("AQUABILL_RESOURCES") + QStringLiteral("/Help/index.htm"));
        QVERIFY(shippedHelp.open(QIODevice::ReadOnly));
        QCOMPARE(read(QStringLiteral("Help/index.htm")), shippedHelp.readAll());
        QCOMPARE(read(QStringLiteral("Log/Aquabill_H.log")).count("\r\n"), 11);
        QVERIFY2(!QFileInfo::exists(m_root->filePath(untouched)), qPrintable(untouched));

        // What the user changed or gathered survives the next start byte for byte.
        QByteArray configuration = read(QStringLiteral("Data/Aquabill.ini"));
        configuration.replace("WVRate=1.2345", "WVRate=1.5");
        QVERIFY(write(QStringLiteral("Data/Aquabill.ini"), configuration));
        const QByteArray help = "<html>the user's own notes</html>";
        QVERIFY(write(QStringLiteral("Help/index.htm"), help));
        const QByteArray results = read(QStringLiteral("Log/Aquabill.log"));
        const QByteArray history = read(QStringLiteral("Log/Aquabill_H.log"));

        startOnce(folder.filePath(QStringLiteral("Log/Aquabill.log")));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(read(QStringLiteral("Data/Aquabill.ini")), configuration);
        QCOMPARE(read(QStringLiteral("Help/index.htm")), help);
        QCOMPARE(read(QStringLiteral("Log/Aquabill_H.log")), history);
        const QByteArray resultsAfter = read(QStringLiteral("Log/Aquabill.log"));
        QVERIFY(resultsAfter.startsWith(results));
        QVERIFY(resultsAfter.mid(results.size()).startsWith("Aquabill Started\r\nVersion 3.5\r\n"));
    }
};

QTEST_MAIN(TestInstalledStart)
#include "test_installed_start.moc"
