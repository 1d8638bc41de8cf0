#include "support/program_folder.h"

#include "platform/qt_platform.h"
#include "records/log_streams.h"

#include <QProcess>
#include <QtTest>

static const QString logFile = QStringLiteral("Log/x.log");
static const QByteArray longLine(600 * 1024, 'x');  // longer than a read block

// Streaming a log through the desktop's files: counting its lines, keeping its
// last one, and cutting it to its first lines in one step.
class TestLogStreams : public QObject {
    Q_OBJECT
    ProgramFolder folder{ProgramFolder::Log};
    platform::QtPlatform desktop;

private slots:
    void countedThenCut_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("keep");
        QTest::addColumn<QByteArray>("meanwhile");  // written between the count and the cut; empty for nothing
        QTest::addColumn<QByteArray>("after");  // as it stood when the cut is refused
        const QByteArray none, line = "line\r\n", twenty = line.repeated(20);
        QTest::newRow("stored forms") << QByteArray("a\nb\r\n\xA3" "5.00") << 3 << "£5.00" << 2 << none << QByteArray("a\nb\r\n");
        QTest::newRow("long lines") << longLine + "\r\n" + longLine << 2 << QString::fromLatin1(longLine) << 1 << none
                                    << longLine + "\r\n";
        QTest::newRow("far back, empty last line") << line.repeated(40) + "\r\n" << 41 << "" << 3 << none << line.repeated(3);
        QTest::newRow("appended meanwhile") << twenty << 20 << "line" << 19 << twenty + line << line.repeated(19);
        QTest::newRow("shortened meanwhile") << twenty << 20 << "line" << 19 << line << line;
    }

    void countedThenCut()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(QString, last);
        QFETCH(int, keep);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QByteArray, after);
        folder.write(logFile, bytes);
        const records::LineCount count = records::countLines(desktop, logFile).value();
        QCOMPARE(count.lines, qint64(lines));
        QCOMPARE(count.lastLine, last);
        folder.write(logFile, meanwhile.isEmpty() ? bytes : meanwhile);
        // Reported done exactly when the file is left with the lines to keep.
        QCOMPARE(records::keepFirstLines(desktop, logFile, count, keep), after.count('\n') == keep);
        QCOMPARE(folder.read(logFile), after);
    }

    void refusedCutLeavesTheFileAsItWas()
    {
        folder.write(logFile, "old\r\nlast\r\n");
        QVERIFY(!desktop.keepStartOfFile(QStringLiteral("Log/none.log"), 0));
        QVERIFY(!folder.exists(QStringLiteral("Log/none.log")));
        // An immutable file refuses the cut even to root, as a failing disk would.
        const QString file = folder.path() + QLatin1Char('/') + logFile;
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), file}) != 0)
            QSKIP("this file system or user cannot make a file immutable");
        const bool cut = desktop.keepStartOfFile(logFile, 5);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
        QVERIFY(!cut);
        QCOMPARE(folder.read(logFile), QByteArray("old\r\nlast\r\n"));
    }
};

QTEST_MAIN(TestLogStreams)
#include "test_log_streams.moc"
