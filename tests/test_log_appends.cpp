#include "support/program_folder.h"

#include "platform/qt_platform.h"

#include <QLockFile>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

static const QString logFile = u"Log/x.log"_s;

// The file operations every log entry and every shared step go through.
class TestLogAppends : public QObject {
    Q_OBJECT
    ProgramFolder folder{ProgramFolder::Log};
    platform::QtPlatform desktop;

private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }  // a refused write must be reported, not end the test

    void append_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("room");  // bytes the disk allows past the old end; -1: no limit; -2: none, ever
        QTest::addColumn<QByteArray>("after");
        const QByteArray entry = "entry\r\n";
        QTest::newRow("ended") << "a\r\n"_ba << u"entry"_s << -1 << "a\r\nentry\r\n"_ba;
        QTest::newRow("empty") << ""_ba << u"entry"_s << -1 << entry;
        QTest::newRow("last line unended") << "a\r\nb"_ba << u"entry"_s << -1 << "a\r\nb\r\nentry\r\n"_ba;
        QTest::newRow("last line ended by LF") << "a\n"_ba << u"entry"_s << -1 << "a\nentry\r\n"_ba;
        QTest::newRow("last line ended by CR alone") << "a\r"_ba << u"entry"_s << -1 << "a\r\nentry\r\n"_ba;
        QTest::newRow("outside the code page") << ""_ba << u"\u017c\u03a9\U0001F600 \u00a3\u20ac\u00e9"_s << -1
                                                 << "??? \xA3\x80\xE9\r\n"_ba;
        QTest::newRow("full one byte before the end") << "a\r\n"_ba << u"entry"_s << 6 << "a\r\n"_ba;
        QTest::newRow("full at the old end") << "a\r\n"_ba << u"entry"_s << 0 << "a\r\n"_ba;
        QTest::newRow("full before the line end is added") << "a"_ba << u"entry"_s << 1 << "a"_ba;
        QTest::newRow("room for all") << "a\r\n"_ba << u"entry"_s << 7 << "a\r\nentry\r\n"_ba;
        QTest::newRow("a file that may not be changed") << "a\r\n"_ba << u"entry"_s << -2 << "a\r\n"_ba;
    }

    void append()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        QFETCH(int, room);
        QFETCH(QByteArray, after);
        folder.write(logFile, before);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        if (room >= 0) {
            const rlimit limit{rlim_t(before.size() + room), previous.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        }
        // Immutable, the file refuses to be opened for writing even to root, as a failing disk would.
        if (room == -2 && QProcess::execute("chattr", {"+i", logFile}) != 0)
            QSKIP("this file system or user cannot make a file immutable");
        const bool written = desktop.appendLine(logFile, text);
        if (room == -2)
            QProcess::execute("chattr", {"-i", logFile});
        setrlimit(RLIMIT_FSIZE, &previous);
        QCOMPARE(folder.read(logFile), after);
        QCOMPARE(written, after != before);
    }

    void lock_data()
    {
        QTest::addColumn<QString>("holder");  // who holds the lock already
        QTest::addColumn<bool>("taken");
        QTest::newRow("nobody") << u""_s << true;
        QTest::newRow("a copy that has ended") << u"ended"_s << true;
        QTest::newRow("a copy that runs") << u"running"_s << false;
    }

    void lock()
    {
        QFETCH(QString, holder);
        QFETCH(bool, taken);
        folder.write(logFile, "a\r\n");
        const QString lockFile = logFile + u".lock"_s;
        QLockFile running(lockFile);
        if (holder == u"running")
            QVERIFY(running.tryLock(0));
        if (holder == u"ended") {
            // A lock as this machine writes it, but of a process that has ended.
            QVERIFY(running.tryLock(0));
            QByteArray stored = folder.read(lockFile);
            running.unlock();
            QProcess ended;
            ended.start(u"true"_s);
            const qint64 pid = ended.processId();
            QVERIFY(pid > 0 && ended.waitForFinished());
            stored.replace(0, stored.indexOf('\n'), QByteArray::number(pid));
            folder.write(lockFile, stored);
        }
        {
            const std::unique_ptr<platform::FileLock> lock = desktop.lockFile(logFile);
            QCOMPARE(bool(lock), taken);
            // While held, no other holder gets in.
            QLockFile other(lockFile);
            QVERIFY(!other.tryLock(0));
        }
        running.unlock();
        QCOMPARE(QFile::exists(lockFile), false);  // released with the step
    }
};

QTEST_MAIN(TestLogAppends)
#include "test_log_appends.moc"
