#include "support/window_driver.h"
#include "support/history_log.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

const QString results = u"Log/Aquabill.log"_s, history = u"Log/Aquabill_H.log"_s;
using historylog::headings;
using historylog::newLog;
const QByteArray withReport = "Aquabill Results Log\r\n\r\nWater Units Cost            :   \xA3" "87.19\r\n";
const QStringList reading = {"Date1=01/03/2020", "NRead1=1000", "Date2=01/09/2020", "NRead2=1200"};

using historylog::logOf;

QString locked(const QString &what, const QString &path) { return what + u' ' + path + u" ["_s + path + u']'; }

}  // namespace

// Logs shared by several copies of the program: every read-then-write step
// holds its log's lock, and an entry fits the log as it is when it is saved.
class TestSharedLogs : public QObject {
    Q_OBJECT

private slots:
    void stepsHoldTheirLogsLock_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("heldElsewhere");  // a log another copy keeps locked
        QTest::addColumn<QStringList>("writes");     // each with the locks held while it was made
        QTest::addColumn<QString>("message");        // the log error shown, if any
        QTest::addColumn<QString>("status");         // what the status line says was done
        const QString archive = u"Log/Aquabill_261205_1.log"_s;
        const QString busy = u"Aquabill Log File Error: Unable to lock the %1 log file %2.\r\nAnother copy of the "
                             "program is using it; nothing was written."_s;
        const QStringList save = reading + QStringList{"Calc", "Save"};
        QTest::newRow("save") << save << u""_s << QStringList{locked(u"append"_s, results), locked(u"append"_s, history)}
                              << u""_s << u"Calculation Saved"_s;
        QTest::newRow("save, history busy") << save << history << QStringList{locked(u"append"_s, results)}
                                            << busy.arg(u"history"_s, u"Aquabill_H.log"_s)
                                            << u"Results Saved, History Not Saved"_s;
        QTest::newRow("save, results busy") << save << results << QStringList{locked(u"append"_s, history)}
                                            << busy.arg(u"results"_s, u"Aquabill.log"_s)
                                            << u"History Saved, Results Not Saved"_s;
        QTest::newRow("rem last") << QStringList{"Del_Last"} << u""_s << QStringList{locked(u"cut"_s, history)} << u""_s
                                  << u"Last Saved Meter Reading Deleted"_s;
        QTest::newRow("rem last, busy") << QStringList{"Del_Last"} << history << QStringList()
                                        << busy.arg(u"history"_s, u"Aquabill_H.log"_s)
                                        << u"Last Readings Restored"_s;  // as start-up left it
        QTest::newRow("archive") << QStringList{"Archive"} << u""_s
                                 << QStringList{u"copy "_s + archive + u" ["_s + results + u']',
                                                locked(u"replace"_s, results)} << u""_s << u"Results Log File Archived"_s;
        QTest::newRow("archive, busy") << QStringList{"Archive"} << results << QStringList()
                                       << busy.arg(u"results"_s, u"Aquabill.log"_s) << u""_s;
    }

    void stepsHoldTheirLogsLock()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, heldElsewhere);
        QFETCH(QStringList, writes);
        QFETCH(QString, message);
        QFETCH(QString, status);
        WindowDriver d;
        d.folder.write(history, logOf(13));
        d.folder.write(results, withReport);
        QVERIFY(d.start());
        d.platform.writes.clear();
        d.platform.shown.clear();
        d.platform.refuseLocksOn(heldElsewhere);
        d.platform.answerWith({Answer::Yes});
        d.enter(steps);
        QCOMPARE(d.platform.writes, writes);
        QCOMPARE(d.messages().filter(u"Log File Error"_s), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(d.text(u"Status"_s), status);
        if (heldElsewhere == history)
            QCOMPARE(d.folder.read(history), logOf(13));
        QVERIFY(!d.folder.exists(history + u".lock"_s) && !d.folder.exists(results + u".lock"_s));
    }

    // Between Calculate and Save another copy changes the log.
    void entryFitsTheLogAsSaved_data()
    {
        QTest::addColumn<int>("linesAtCalculate");
        QTest::addColumn<QByteArray>("meanwhile");
        QTest::addColumn<QByteArray>("expected");  // what comes before the entry
        const QByteArray opening = " 01/03/2020,  1000.0,        ,        ,        ,        ,       ,      ,         ,"
                                   "         ,       \r\n";
        QTest::newRow("unchanged new log") << 11 << logOf(11) << logOf(11) + opening;
        QTest::newRow("first entry saved meanwhile") << 11 << logOf(12) << logOf(12);
        QTest::newRow("page filled meanwhile") << 48 << logOf(49) << logOf(49) + headings;
        QTest::newRow("page emptied meanwhile") << 49 << logOf(48) << logOf(48);
        QTest::newRow("last line left unended") << 12 << logOf(12).chopped(2) << logOf(12);
    }

    void entryFitsTheLogAsSaved()
    {
        QFETCH(int, linesAtCalculate);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QByteArray, expected);
        WindowDriver d;
        d.folder.write(history, logOf(linesAtCalculate));
        QVERIFY(d.start());
        d.enter(reading);
        d.find<QPlainTextEdit>(u"Notes"_s)->setPlainText(u"\u017c\U0001F600\u00a3"_s);  // beyond what keys can type
        d.enter({"Calc"});
        d.folder.write(history, meanwhile);
        d.enter({"Save"});
        const QByteArray saved = d.folder.read(history);
        QCOMPARE(saved.left(expected.size()), expected);
        QCOMPARE(saved.mid(expected.size()).count("\r\n"), 1);
        QVERIFY(saved.mid(expected.size()).startsWith(" 01/09/2020,  1200.0, \xA3"));
        QVERIFY(d.folder.read(results).contains("\r\n??\xA3\r\n"));  // the notes
        d.enter({"Get_Last"});
        QCOMPARE(d.state({"NRead1"}), QStringList{u"NRead1=1200.0"_s});
    }
};

QTEST_MAIN(TestSharedLogs)
#include "test_shared_logs.moc"
