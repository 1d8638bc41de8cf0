#include "support/program_folder.h"

#include "platform/qt_platform.h"
#include "records/log_streams.h"

#include <QProcess>
#include <QtTest>

static const QString logFile = QStringLiteral("Log/x.log");

// A log counted, then cut to all but its last line. In between it may be rewritten,
// or made immutable: that refuses the cut even to root, as a failing disk would.
class TestLogStreams : public QObject {
    Q_OBJECT
    struct Cut { QByteArray bytes; qint64 lines; QString last; QByteArray meanwhile, after; bool immutable = false; };
    ProgramFolder folder{ProgramFolder::Log};
    platform::QtPlatform desktop;

private slots:
    void countedThenCut_data()
    {
        QTest::addColumn<Cut>("cut");
        const QByteArray line = "line\r\n", twenty = line.repeated(20), longLine(600 * 1024, 'x');  // beyond a read block
        QTest::newRow("stored forms, long lines")
            << Cut{"a\n" + longLine + "\r\n\xA3" + longLine, 3, "£" + QString(longLine), {}, "a\n" + longLine + "\r\n"};
        QTest::newRow("rewritten meanwhile") << Cut{twenty, 20, "line", "a\r\n" + twenty, "a\r\n" + line.repeated(18)};
        QTest::newRow("shortened meanwhile") << Cut{twenty, 20, "line", line, line};
        QTest::newRow("immutable") << Cut{twenty, 20, "line", {}, twenty, true};
    }

    void countedThenCut()
    {
        QFETCH(Cut, cut);
        folder.write(logFile, cut.bytes);
        const records::LineCount count = records::countLines(desktop, logFile).value();
        QCOMPARE(std::pair(count.lines, count.recentLine(count.lines - 1)), std::pair(cut.lines, std::optional(cut.last)));
        folder.write(logFile, cut.meanwhile.isEmpty() ? cut.bytes : cut.meanwhile);
        if (cut.immutable && QProcess::execute("chattr", {"+i", logFile}) != 0)
            QSKIP("this file system or user cannot make a file immutable");
        const bool done = records::keepFirstLines(desktop, logFile, count, cut.lines - 1);
        if (cut.immutable)
            QProcess::execute("chattr", {"-i", logFile});
        QCOMPARE(done, cut.after.count('\n') == cut.lines - 1);
        QCOMPARE(folder.read(logFile), cut.after);
    }
};

QTEST_MAIN(TestLogStreams)
#include "test_log_streams.moc"
