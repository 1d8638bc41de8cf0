#include "support/program_folder.h"

#include "platform/qt_platform.h"
#include "records/log_streams.h"

#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

// Streaming a log through the desktop's files: counting its lines, keeping its
// last one, and cutting it to its first lines in one step.
class TestLogStreams : public QObject {
    Q_OBJECT

private slots:
    void linesAreCountedAsStored_data();
    void linesAreCountedAsStored();
    void firstLinesAreKept_data();
    void firstLinesAreKept();
    void refusedCutLeavesTheFileAsItWas();
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
    QCOMPARE(count->bytes, bytes.size());
    if (lines > 0) {
        const std::optional<qint64> start = count->startOfLine(lines - 1);
        QVERIFY(start);
        QCOMPARE(QString::fromLatin1(bytes.mid(*start)).trimmed(), last);
    }
    QVERIFY(!records::countLines(desktop, u"Log/none.log"_s));
}

// What happens to the file between the count and the cut.
enum class Meanwhile { Nothing, LineAppended, Shortened };
Q_DECLARE_METATYPE(Meanwhile)

static QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(i) + "\r\n";
    return bytes;
}

void TestLogStreams::firstLinesAreKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("keep");
    QTest::addColumn<Meanwhile>("meanwhile");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("line ends kept as stored") << QByteArray("a\nb\r\nc") << qint64(2) << Meanwhile::Nothing << true
                                              << QByteArray("a\nb\r\n");
    QTest::newRow("none") << QByteArray("a\r\n") << qint64(0) << Meanwhile::Nothing << true << QByteArray();
    QTest::newRow("long line kept whole") << longLine + "\r\nz\r\n" << qint64(1) << Meanwhile::Nothing << true
                                          << longLine + "\r\n";
    QTest::newRow("cut far back") << numberedLines(40) << qint64(3) << Meanwhile::Nothing << true
                                  << numberedLines(3);
    QTest::newRow("more than there are") << QByteArray("a\r\nb\r\n") << qint64(3) << Meanwhile::Nothing << false
                                         << QByteArray("a\r\nb\r\n");
    QTest::newRow("appended to meanwhile") << numberedLines(20) << qint64(19) << Meanwhile::LineAppended << true
                                           << numberedLines(19);
    QTest::newRow("shortened meanwhile") << numberedLines(20) << qint64(19) << Meanwhile::Shortened << false
                                         << numberedLines(2);
}

void TestLogStreams::firstLinesAreKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, keep);
    QFETCH(Meanwhile, meanwhile);
    QFETCH(bool, cut);
    QFETCH(QByteArray, after);
    ProgramFolder folder(ProgramFolder::Log);
    folder.write(u"Log/x.log"_s, bytes);
    platform::QtPlatform desktop;
    const std::optional<records::LineCount> counted = records::countLines(desktop, u"Log/x.log"_s);
    QVERIFY(counted);
    if (meanwhile == Meanwhile::LineAppended)
        folder.write(u"Log/x.log"_s, bytes + "late\r\n");
    if (meanwhile == Meanwhile::Shortened)
        folder.write(u"Log/x.log"_s, numberedLines(2));
    QCOMPARE(records::keepFirstLines(desktop, u"Log/x.log"_s, *counted, keep), cut);
    QCOMPARE(folder.read(u"Log/x.log"_s), after);
}

void TestLogStreams::refusedCutLeavesTheFileAsItWas()
{
    ProgramFolder folder(ProgramFolder::Log);
    folder.write(u"Log/x.log"_s, "old\r\nlast\r\n");
    QVERIFY(QFile::link(u"x.log"_s, folder.path() + u"/Log/link.log"_s));
    platform::QtPlatform desktop;
    QVERIFY(!desktop.keepStartOfFile(u"Log/none.log"_s, 0));
    QVERIFY(!folder.exists(u"Log/none.log"_s));
    QVERIFY(!desktop.keepStartOfFile(u"Log/x.log"_s, 12));

    // An immutable file refuses the cut even to root, as a full or failing
    // disk would refuse a write.
    const QString file = folder.path() + u"/Log/x.log"_s;
    if (QProcess::execute(u"chattr"_s, {u"+i"_s, file}) != 0)
        QSKIP("this file system or user cannot make a file immutable");
    const bool cut = desktop.keepStartOfFile(u"Log/x.log"_s, 5);
    QProcess::execute(u"chattr"_s, {u"-i"_s, file});
    QVERIFY(!cut);
    QCOMPARE(folder.read(u"Log/x.log"_s), QByteArray("old\r\nlast\r\n"));

    // A log kept behind a link is cut where it really is.
    QVERIFY(desktop.keepStartOfFile(u"Log/link.log"_s, 5));
    QCOMPARE(folder.read(u"Log/x.log"_s), QByteArray("old\r\n"));
    QVERIFY(QFileInfo(folder.path() + u"/Log/link.log"_s).isSymLink());
}

QTEST_MAIN(TestLogStreams)
#include "test_log_streams.moc"
