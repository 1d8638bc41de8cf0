#include "support/program_folder.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The installed binary started as a user would start it: from some other
// folder, with a home, a data home and a runtime folder of its own.
class TestInstalledStart : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QDir m_folder{m_root.filePath(u"data/aquabill"_s)};  // the user folder XDG_DATA_HOME names

    QByteArray read(const QString &name) const
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Starts the program and quits it once its start-up entry is in the user's results log.
    void startOnce()
    {
        const qsizetype before = read(u"Log/Aquabill.log"_s).count("Aquabill Started\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, m_root.filePath(u"home"_s));
        environment.insert(u"XDG_DATA_HOME"_s, m_root.filePath(u"data"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_root.filePath(u"runtime"_s));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(m_root.path());
        program.start(qEnvironmentVariable("AQUABILL_INSTALLED"));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(read(u"Log/Aquabill.log"_s).count("Aquabill Started\r\n"), before + 1, 20000);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
    }

private slots:
    void userFolderIsMadeOnceAndThenKept()
    {
        QVERIFY(QDir(m_root.path()).mkpath(u"home"_s) && QDir(m_root.path()).mkpath(u"runtime"_s));
        QFile::setPermissions(m_root.filePath(u"runtime"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        startOnce();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(read(u"Data/Aquabill.ini"_s), ProgramFolder::shippedConfiguration());
        QFile shippedHelp(qEnvironmentVariable("AQUABILL_RESOURCES") + u"/Help/index.htm"_s);
        QVERIFY(shippedHelp.open(QIODevice::ReadOnly));
        QCOMPARE(read(u"Help/index.htm"_s), shippedHelp.readAll());
        QCOMPARE(read(u"Log/Aquabill_H.log"_s).count("\r\n"), 11);
        QVERIFY(!QFileInfo::exists(m_root.filePath(u"home/.local"_s)) && !QFileInfo::exists(m_root.filePath(u"Log"_s)));

        // What the user changed or gathered survives the next start byte for byte.
        const QByteArray configuration = read(u"Data/Aquabill.ini"_s).replace("WVRate=1.2345", "WVRate=1.5");
        const QByteArray help = "<html>the user's own notes</html>";
        QVERIFY(write(u"Data/Aquabill.ini"_s, configuration) && write(u"Help/index.htm"_s, help));
        const QByteArray results = read(u"Log/Aquabill.log"_s), history = read(u"Log/Aquabill_H.log"_s);
        startOnce();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(read(u"Data/Aquabill.ini"_s), configuration);
        QCOMPARE(read(u"Help/index.htm"_s), help);
        QCOMPARE(read(u"Log/Aquabill_H.log"_s), history);
        QVERIFY(read(u"Log/Aquabill.log"_s).startsWith(results + "Aquabill Started\r\nVersion 3.5\r\n"));
    }
};

QTEST_MAIN(TestInstalledStart)
#include "test_installed_start.moc"
