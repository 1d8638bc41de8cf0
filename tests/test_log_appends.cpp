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
        QTest::addColumn<QByteArray>("before");  // null: no such file
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("room");  // bytes the disk allows past the old end; -1: no limit; -2: none, ever
        QTest::addColumn<QByteArray>("after");
        const QByteArray entry = "entry\r\n";
        QTest::newRow("ended") << "a\r\n"_ba << u"entry"_s << -1 << "a\r\nentry\r\n"_ba;
        QTest::newRow("empty") << ""_ba << u"entry"_s << -1 << entry;
        QTest::newRow("last line unended") << "a\r\nb"_ba << u"entry"_s << -1 << "a\r\nb\r\nentry\r\n"_ba;
        QTest::newRow("last line ended by LF") << "a\n"_ba << u"entry"_s << -1 << "a\nentry\r\n"_ba;
        QTest::newRow("a file of one CR") << "\r"_ba << u"entry"_s << -1 << "\r\nentry\r\n"_ba;
        QTest::newRow("outside the code page") << ""_ba << u"\u017c\u03a9\U0001F600 \u00a3\u20ac\u00e9"_s << -1
                                                 << "??? \xA3\x80\xE9\r\n"_ba;
        // Arabic, Bengali and Chakma digits, and the Arabic decimal and thousands separators.
        QTest::newRow("figures of other scripts") << ""_ba << u"\u0667\u0669\u0660\u066B\u0662\u0663 \u0661\u066C\u0665\u0668\u0661 \u09E7\u09E8 \U00011137"_s
                                                  << -1 << "790.23 1,581 12 1\r\n"_ba;
        QTest::newRow("full one byte before the end") << "a\r\n"_ba << u"entry"_s << 6 << "a\r\n"_ba;
        QTest::newRow("full at the old end") << "a\r\n"_ba << u"entry"_s << 0 << "a\r\n"_ba;
        QTest::newRow("full before the line end is added") << "a"_ba << u"entry"_s << 1 << "a"_ba;
        QTest::newRow("room for all") << "a\r\n"_ba << u"entry"_s << 7 << "a\r\nentry\r\n"_ba;
        QTest::newRow("a file that may not be changed") << "a\r\n"_ba << u"entry"_s << -2 << "a\r\n"_ba;
        QTest::newRow("a log that is gone is not made again") << QByteArray() << u"entry"_s << -1 << QByteArray();
    }

    void append()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        QFETCH(int, room);
        QFETCH(QByteArray, after);
        before.isNull() ? void(QFile::remove(logFile)) : folder.write(logFile, before);
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
        QCOMPARE(std::pair(folder.exists(logFile), folder.read(logFile)), std::pair(!before.isNull(), after));
        QCOMPARE(written, after != before);
    }

    // A new file that cannot be made, or made but not put in the old one's place, leaves the old one,
    // and says so. In an append-only folder it can be made but not renamed over the old file.
    void replaceRefused()
    {
        QVERIFY(!desktop.replaceFile(u"Log/no such folder/x.log"_s, u"new"_s));
        folder.write(logFile, "old\r\n");
        if (QProcess::execute("chattr", {"+a", u"Log"_s}) != 0)
            QSKIP("this file system or user cannot make a folder append-only");
        const bool replaced = desktop.replaceFile(logFile, u"new"_s);
        QProcess::execute("chattr", {"-a", u"Log"_s});
        QVERIFY(!replaced);
        QCOMPARE(folder.read(logFile), "old\r\n"_ba);
    }

    // A lock a running copy holds keeps this step out; one taken keeps the others out until the step ends.
    void lock_data()
    {
        QTest::addColumn<bool>("heldElsewhere");
        QTest::newRow("free") << false;
        QTest::newRow("held by a running copy") << true;
    }

    void lock()
    {
        QFETCH(bool, heldElsewhere);
        folder.write(logFile, "a\r\n");
        const QString lockFile = logFile + u".lock"_s;
        QLockFile running(lockFile);
        QCOMPARE(heldElsewhere && running.tryLock(0), heldElsewhere);
        {
            const std::unique_ptr<platform::FileLock> lock = desktop.lockFile(logFile);
            QCOMPARE(bool(lock), !heldElsewhere);
            QVERIFY(!QLockFile(lockFile).tryLock(0));
        }
        running.unlock();
        QVERIFY(!QFile::exists(lockFile));  // released with the step
    }
};

QTEST_MAIN(TestLogAppends)
#include "test_log_appends.moc"
