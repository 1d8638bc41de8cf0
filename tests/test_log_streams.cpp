#include "support/program_folder.h"

#include "platform/qt_platform.h"
#include "records/log_streams.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// Streaming a log through the desktop's files: counting its lines, keeping its
// last one, and replacing it by its first lines in one step.
class TestLogStreams : public QObject {
    Q_OBJECT

private slots:
    void linesAreCountedAsStored_data();
    void linesAreCountedAsStored();
    void firstLinesReplaceTheFile_data();
    void firstLinesReplaceTheFile();
    void replacementNotCommittedLeavesNoTrace();
};

static const QByteArray longLine(600 * 1024, 'x');  // longer than a read block

void TestLogStreams::linesAreCountedAsStored_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("lines");
    QTest::addColumn<QString>("last");
    QTest::newRow("empty") << QByteArray() << qint64(0) << "";
    QTest::newRow("CR LF ended") << QByteArray("a\r\nb\r\n") << qint64(2) << "b";
    QTest::newRow("last line open") << QByteArray("a\r\nb") << qint64(2) << "b";
    QTest::newRow("empty last line") << QByteArray("a\r\n\r\n") << qint64(2) << "";
    QTest::newRow("lone line ends") << QByteArray("a\nb\n") << qint64(2) << "b";
    QTest::newRow("single-byte pound") << QByteArray("x\r\n\xA3" "5.00\r\n") << qint64(2) << u"£5.00"_s;
    QTest::newRow("long line first") << longLine + "\r\nend\r\n" << qint64(2) << "end";
    QTest::newRow("long line last") << "a\r\n" + longLine << qint64(2) << QString::fromLatin1(longLine);
}

void TestLogStreams::linesAreCountedAsStored()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, lines);
    QFETCH(QString, last);
    ProgramFolder folder(ProgramFolder::Log);
    folder.write(u"Log/x.log"_s, bytes);
    platform::QtPlatform desktop;
    const std::optional<records::LineCount> count = records::countLines(desktop, u"Log/x.log"_s);
    QVERIFY(count);
    QCOMPARE(count->lines, lines);
    QCOMPARE(count->lastLine, last);
    QVERIFY(!records::countLines(desktop, u"Log/none.log"_s));
}

void TestLogStreams::firstLinesReplaceTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("keep");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("line ends made CR LF") << QByteArray("a\nb\r\nc") << qint64(2) << true << QByteArray("a\r\nb\r\n");
    QTest::newRow("all lines") << QByteArray("a\r\nb") << qint64(2) << true << QByteArray("a\r\nb\r\n");
    QTest::newRow("none") << QByteArray("a\r\n") << qint64(0) << true << QByteArray();
    QTest::newRow("long line kept whole") << longLine + "\r\nz\r\n" << qint64(1) << true << longLine + "\r\n";
    QTest::newRow("more than there are") << QByteArray("a\r\nb\r\n") << qint64(3) << false
                                         << QByteArray("a\r\nb\r\n");
}

void TestLogStreams::firstLinesReplaceTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, keep);
    QFETCH(bool, replaced);
    QFETCH(QByteArray, after);
    ProgramFolder folder(ProgramFolder::Log);
    folder.write(u"Log/x.log"_s, bytes);
    platform::QtPlatform desktop;
    QCOMPARE(records::keepFirstLines(desktop, u"Log/x.log"_s, keep), replaced);
    QCOMPARE(folder.read(u"Log/x.log"_s), after);
    QCOMPARE(QDir(folder.path() + u"/Log"_s).entryList(QDir::Files), QStringList{u"x.log"_s});
}

void TestLogStreams::replacementNotCommittedLeavesNoTrace()
{
    ProgramFolder folder(ProgramFolder::Log);
    folder.write(u"Log/x.log"_s, "old\r\n");
    platform::QtPlatform desktop;
    {
        std::unique_ptr<platform::LineWriter> writer = desktop.beginReplace(u"Log/x.log"_s);
        QVERIFY(writer);
        QVERIFY(writer->writeLine(u"new £"_s));
        QVERIFY(writer->writeStoredLine(longLine));
    }
    QCOMPARE(folder.read(u"Log/x.log"_s), QByteArray("old\r\n"));
    QCOMPARE(QDir(folder.path() + u"/Log"_s).entryList(QDir::Files), QStringList{u"x.log"_s});

    std::unique_ptr<platform::LineWriter> writer = desktop.beginReplace(u"Log/x.log"_s);
    QVERIFY(writer->writeLine(u"new £"_s));
    QVERIFY(writer->commit());
    QCOMPARE(folder.read(u"Log/x.log"_s), QByteArray("new \xA3\r\n"));
    // A folder that does not exist cannot even take the new file.
    QVERIFY(!desktop.beginReplace(u"Nowhere/x.log"_s));
}

QTEST_MAIN(TestLogStreams)
#include "test_log_streams.moc"
