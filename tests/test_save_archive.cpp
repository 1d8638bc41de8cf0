#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

const QString results = u"Log/Aquabill.log"_s, history = u"Log/Aquabill_H.log"_s;
const QByteArray newLog = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n05/12/2026 10:15:42\r\n\r\n\r\n";
const QByteArray noReport = newLog + "Aquabill Started\r\nVersion 3.5\r\n05/12/2026 10:15:42\r\n\r\n";
const QByteArray withReport = noReport + "Water Units Cost            :   \xA3" "87.19\r\n\r\n";

}  // namespace

class TestSaveArchive : public QObject {
    Q_OBJECT

private slots:
    void save_data()
    {
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QString>("noHistory");  // empty: unticked; else the answer to its question
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("message");  // the last one shown
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("status");
        const QString date2 = u"Meter Reading Date 2 must be later than the last Meter Reading date saved\n"_s;
        const QString ask = u"No history data will be saved\r\nTo save history results click\r\n"
                            "Cancel, reset the No History \r\ncheck box and click Save again"_s;
        const QString refusal = u"Unable to write to the results log file Aquabill.log.\r\nThis may be a permissions problem."_s;
        QTest::newRow("both written") << "" << "" << "" << "" << "results history" << "Calculation Saved";
        QTest::newRow("pending") << date2 << "" << "" << date2 + u"No results or history data saved\n"_s << "" << "before";
        QTest::newRow("no history, OK") << "" << "OK" << "" << ask << "results" << "Calculation Saved";
        QTest::newRow("no history, Cancel") << "" << "Cancel" << "" << ask << "" << "No Calculation Saved";
        QTest::newRow("results refused") << "" << "" << results << refusal << "history" << "History Saved, Results Not Saved";
        QTest::newRow("nothing written") << "" << "OK" << results << refusal << "" << "No Calculation Saved";
        // Results cleared by an option box leave no entry to save, and nothing is written.
        QTest::newRow("no calculation") << "" << "" << "" << "" << "" << "No Calculation Saved";
    }

    void save()
    {
        QFETCH(QString, pending);
        QFETCH(QString, noHistory);
        QFETCH(QString, refused);
        QFETCH(QString, written);
        WindowDriver d;
        QVERIFY(d.start());
        AquabillMain::setValue(d.find<QCheckBox>(u"NoHistory"_s), noHistory.isEmpty() ? 0 : 1);
        d.platform.answerWith({noHistory == u"Cancel" ? Answer::Cancel : Answer::Ok});
        d.platform.failWritesTo(refused);
        std::tie(d.window->ResultsText, d.window->HistoryText, d.window->PendingMessage) =
            std::tuple(u"report"_s, u"entry"_s, pending);
        d.window->HistoryEntryPending = QByteArray(QTest::currentDataTag()) != "no calculation";
        d.window->ShowStatus(u"before"_s);
        d.find<QPushButton>(u"Save"_s)->setEnabled(true);
        const QByteArray resultsBefore = d.folder.read(results), historyBefore = d.folder.read(history);

        d.click(u"Save"_s);
        QTEST(d.lastMessage().text, "message");
        QCOMPARE(d.folder.read(results), resultsBefore + (written.contains(u"results") ? "report\r\n" : ""));
        QCOMPARE(d.folder.read(history), historyBefore + (written.contains(u"history") ? "entry\r\n" : ""));
        QTEST(d.text(u"Status"_s), "status");
        // A retry cannot write twice, and there is nothing to retry without a calculation.
        QCOMPARE(d.find<QPushButton>(u"Save"_s)->isEnabled(), written.isEmpty() && d.window->HistoryEntryPending);
    }

    // Each archive of a day takes the next counter; the old log goes only once
    // the new one is written.
    void archivesOfOneDay()
    {
        WindowDriver d;
        QVERIFY(d.start());
        for (const QString &archive : {u"Log/Aquabill_261205_1.log"_s, u"Log/Aquabill_261205_2.log"_s}) {
            d.folder.write(results, withReport);
            d.platform.answerWith({Answer::Yes});
            d.click(u"Archive"_s);
            QCOMPARE(d.folder.read(archive), withReport);
            QCOMPARE(d.text(u"Status"_s), u"Results Log File Archived"_s);
        }
        d.folder.write(results, withReport);
        d.platform.failWritesTo(results);
        d.platform.answerWith({Answer::Yes});
        d.click(u"Archive"_s);
        QCOMPARE(d.lastMessage().text,
                 u"Unable to archive the results log file Aquabill.log.\r\nThis may be a permissions problem."_s);
        QCOMPARE(d.folder.read(results), withReport);
        QCOMPARE(d.folder.read(u"Log/Aquabill_261205_3.log"_s), withReport);
    }

    void logWithoutReportsIsClearedButNotArchived()
    {
        WindowDriver d;
        QVERIFY(d.start());
        d.folder.write(results, noReport);
        d.platform.answerWith({Answer::Yes});
        d.click(u"Archive"_s);
        QCOMPARE(d.lastMessage().text, u"There is no data to archive!\r\nResults log file not archived."_s);
        QCOMPARE(d.folder.read(results), noReport);
        d.platform.answerWith({Answer::No});
        d.click(u"Archive"_s);
        QCOMPARE(d.platform.shown.size(), 3);  // no second question guards a log without reports
        QCOMPARE(d.folder.read(results), newLog);
        QCOMPARE(d.text(u"Status"_s), u"Results Log File Cleared"_s);
    }
};

QTEST_MAIN(TestSaveArchive)
#include "test_save_archive.moc"
