#include "support/program_folder.h"

#include "platform/qt_platform.h"
#include "records/log_streams.h"

#include <QProcess>
#include <QtTest>

static const QString logFile = QStringLiteral("Log/x.log");

namespace {

// The desktop's files, but every read fails after its first line, as on a
// failing disk.
class FailingReads : public platform::QtPlatform {
    class Reader : public platform::LineReader {
    public:
        explicit Reader(std::unique_ptr<platform::LineReader> file) : m_file(std::move(file)) {}
        bool atEnd() override { return m_file->atEnd(); }
        std::optional<QString> readLine() override { return m_lines++ ? std::nullopt : m_file->readLine(); }
        std::optional<QByteArrayView> readStoredLine() override
        {
            return m_lines++ ? std::nullopt : m_file->readStoredLine();
        }
        qint64 position() const override { return m_file->position(); }

    private:
        std::unique_ptr<platform::LineReader> m_file;
        int m_lines = 0;
    };

public:
    std::unique_ptr<platform::LineReader> openForReading(const QString &path) override
    {
        return std::make_unique<Reader>(QtPlatform::openForReading(path));
    }
};

}  // namespace

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
        QTest::newRow("stored forms, a bare blank line, long lines")
            << Cut{"a\n\n" + longLine + "\r\n\xA3" + longLine, 4, "£" + QString(longLine), {}, "a\n\n" + longLine + "\r\n"};
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
        // Only the last lines are remembered, the oldest of them too, and none past the end.
        QCOMPARE(count.recentLine(count.lines), std::nullopt);
        QCOMPARE(count.recentLine(count.lines - records::LineCount::Remembered - 1), std::nullopt);
        QVERIFY(count.recentLine(std::max<qint64>(0, count.lines - records::LineCount::Remembered)));
        // Nor is a start known for a line before them or past the end: a cut there would lose lines.
        QCOMPARE(count.startOfLine(count.lines - records::LineCount::Remembered - 1), std::nullopt);
        QCOMPARE(count.startOfLine(count.lines + 1), std::nullopt);
        folder.write(logFile, cut.meanwhile.isEmpty() ? cut.bytes : cut.meanwhile);
        if (cut.immutable && QProcess::execute("chattr", {"+i", logFile}) != 0)
            QSKIP("this file system or user cannot make a file immutable");
        // Unchanged since the count, it is cut where the count found the line, without
        // reading again a log that may be a hundred megabytes: no read here would succeed.
        FailingReads failingReads;
        platform::Platform &cutter = cut.meanwhile.isEmpty() ? static_cast<platform::Platform &>(failingReads) : desktop;
        const bool done = records::keepFirstLines(cutter, logFile, count, cut.lines - 1);
        if (cut.immutable)
            QProcess::execute("chattr", {"-i", logFile});
        QCOMPARE(done, cut.after.count('\n') == cut.lines - 1);
        QCOMPARE(folder.read(logFile), cut.after);
    }

    // A log shortened by another copy an instant before the cut is left as it is, never padded out.
    void aCutPastTheEndIsRefused()
    {
        folder.write(logFile, "line\r\n");
        QVERIFY(!desktop.keepStartOfFile(logFile, 12));
        QCOMPARE(folder.read(logFile), QByteArray("line\r\n"));
    }

    // The last wanted line, whether the count still remembers it or the file has to be read again.
    void lastWantedLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("index");
        const QByteArray other = "other\r\n";
        QTest::newRow("the last line") << other.repeated(20) + "entry\r\n" << qint64(20);
        QTest::newRow("the oldest line remembered") << other.repeated(12) + "entry\r\n" + other.repeated(7) << qint64(12);
        QTest::newRow("further back") << "entry\r\n" + other + "entry\r\n" + other.repeated(9) << qint64(2);
        QTest::newRow("the first line only") << "entry\r\n" + other.repeated(9) << qint64(0);
        QTest::newRow("none") << other.repeated(12) << qint64(-1);
        QTest::newRow("none, short") << other.repeated(3) << qint64(-1);
    }

    void lastWantedLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, index);
        folder.write(logFile, bytes);
        const records::LineCount count = records::countLines(desktop, logFile).value();
        const records::NumberedLine found = records::lastLineWhere(desktop, logFile, count, [](const QString &line) {
            return line == u"entry";
        }).value();
        QCOMPARE(std::pair(found.index, found.text), std::pair(index, index < 0 ? QString() : QStringLiteral("entry")));
    }

    // Lines at the end are cut off as stored; lines with others after them go, and the rest stay in order.
    void linesRemoved_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("the last, as stored") << QByteArray("a\nb\nc\n") << qint64(2) << qint64(1) << QByteArray("a\nb\n");
        QTest::newRow("the last two") << QByteArray("a\r\nb\r\nc\r\n") << qint64(1) << qint64(2) << QByteArray("a\r\n");
        QTest::newRow("one with a line after it") << QByteArray("a\r\nb\r\nc\r\n") << qint64(1) << qint64(1)
                                                  << QByteArray("a\r\nc\r\n");
        QTest::newRow("two with lines after them") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\n") << qint64(1) << qint64(2)
                                                   << QByteArray("a\r\nd\r\ne\r\n");
    }

    void linesRemoved()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, first);
        QFETCH(qint64, count);
        folder.write(logFile, bytes);
        const records::LineCount counted = records::countLines(desktop, logFile).value();
        QVERIFY(records::removeLines(desktop, logFile, counted, first, count));
        QTEST(folder.read(logFile), "after");
    }

    // A log that cannot be read whole, or is gone since it was counted, is
    // not rewritten, and says so.
    void aFailedReadRemovesNothing()
    {
        const QByteArray bytes = "a\r\nb\r\nc\r\n";
        folder.write(logFile, bytes);
        const records::LineCount counted = records::countLines(desktop, logFile).value();
        FailingReads failing;
        QVERIFY(!records::removeLines(failing, logFile, counted, 1, 1));
        QCOMPARE(folder.read(logFile), bytes);
        QVERIFY(QFile::remove(logFile));
        QVERIFY(!records::removeLines(desktop, logFile, counted, 1, 1));
        QVERIFY(!QFile::exists(logFile));
    }

    // A read the disk refuses is a failure to report, never the end of the log.
    void aRefusedReadIsNoEnd()
    {
        // Read from its start, this file gives an input/output error: nothing is mapped at address 0.
        QCOMPARE(records::countLines(desktop, QStringLiteral("/proc/self/mem")).has_value(), false);
    }
};

QTEST_MAIN(TestLogStreams)
#include "test_log_streams.moc"
