#include "support/window_driver.h"

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using platform::Answer;

const QString results = u"Log/Aquabill.log"_s, history = u"Log/Aquabill_H.log"_s;
const QString noHistoryQuestion = u"No history data will be saved\r\nTo save history results click\r\n"
                                  "Cancel, reset the No History \r\ncheck box and click Save again"_s;
const QString date2 = u"Meter Reading Date 2 must be later than the last Meter Reading date saved\n"_s;
const QString resultsMissing = u"The results log file is either missing\r\nor corrupted. Delete the log file \r\n"
                               "Aquabill.log if it exists and restart\r\nthe program."_s;
const QString resultsRefused =
    u"Unable to write to the results log file Aquabill.log.\r\nThis may be a permissions problem."_s;
const QString historyRefused =
    u"Unable to write to the history log file Aquabill_H.log.\r\nThis may be a permissions problem."_s;

const QByteArray noReport = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n01-Dec-26 08:00:00\r\n\r\n\r\n"
                            "Aquabill Started\r\nVersion 3.5\r\n01/12/2026 08:00:00\r\n\r\n";
const QByteArray withReport = noReport + "01/12/2026 08:01:00\r\n\r\n\r\nCost To Date (184 Days)\r\n"
                                         "Water Units Cost            :   \xA3" "87.19\r\n\r\n";
const QByteArray newLog = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n05/12/2026 10:15:42\r\n\r\n\r\n";
const QString archiveQuestion =
    u"Do you want to archive the log file?\r\nTo Archive the results log file and create a new one click Yes\r\n"
    "To Clear the results log file without archiving it click No\r\nClick Cancel to return"_s;
const QString unableToArchive =
    u"Unable to archive the results log file Aquabill.log.\r\nThis may be a permissions problem."_s;

}  // namespace

// Saving a prepared calculation into the two logs, and archiving or clearing
// the results log.
class TestSaveArchive : public QObject {
    Q_OBJECT

private slots:
    // The window as a completed calculation without auto-save leaves it; the
    // save writes the report and the entry, unless something stops it.
    void save_data()
    {
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QString>("noHistory");  // empty: unticked; else the answer to its question
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("status");
        using L = QStringList;
        QTest::newRow("both written") << "" << "" << L{} << "" << L{} << "results history" << "Calculation Saved";
        QTest::newRow("Date 2 message pending")
            << date2 << "" << L{} << "" << L{date2 + u"No results or history data saved\n"_s} << "" << "before";
        QTest::newRow("message pending, no history")
            << date2 << "OK" << L{} << "" << L{date2 + u"No results data saved\n"_s} << "" << "before";
        QTest::newRow("no history, OK")
            << "" << "OK" << L{} << "" << L{noHistoryQuestion} << "results" << "Calculation Saved";
        QTest::newRow("no history, Cancel")
            << "" << "Cancel" << L{} << "" << L{noHistoryQuestion} << "" << "No Calculation Saved";
        QTest::newRow("results refused")
            << "" << "" << L{results} << "" << L{resultsRefused} << "history" << "History Saved, Results Not Saved";
        QTest::newRow("results missing")
            << "" << "" << L{} << results << L{resultsMissing} << "history" << "History Saved, Results Not Saved";
        QTest::newRow("history refused")
            << "" << "" << L{history} << "" << L{historyRefused} << "results" << "Results Saved, History Not Saved";
        QTest::newRow("both refused") << "" << "" << L{results, history} << "" << L{resultsRefused, historyRefused}
                                      << "" << "No Calculation Saved";
        QTest::newRow("results refused, no history")
            << "" << "OK" << L{results} << "" << L{noHistoryQuestion, resultsRefused} << "" << "No Calculation Saved";
    }

    void save()
    {
        QFETCH(QString, pending);
        QFETCH(QString, noHistory);
        QFETCH(QStringList, refused);
        QFETCH(QString, missing);
        QFETCH(QString, written);
        WindowDriver d;
        QVERIFY(d.start());
        AquabillMain::setValue(d.find<QCheckBox>(u"NoHistory"_s), noHistory.isEmpty() ? 0 : 1);
        d.platform.answerWith({noHistory == u"Cancel" ? Answer::Cancel : Answer::Ok});
        for (const QString &log : refused)
            d.platform.failWritesTo(log);
        QVERIFY(missing.isEmpty() || QFile::remove(missing));
        d.window->ResultsText = u"report"_s;
        d.window->HistoryText = u"entry"_s;
        d.window->PendingMessage = pending;
        d.find<QPushButton>(u"Save"_s)->setEnabled(true);
        d.find<QLabel>(u"Status"_s)->setText(u"before"_s);
        d.find<QTimer>(u"Timer1"_s)->stop();
        const QByteArray resultsBefore = d.folder.read(results), historyBefore = d.folder.read(history);
        d.platform.shown.clear();

        d.click(u"Save"_s);
        QStringList messages;
        for (const ScriptedPlatform::Shown &shown : d.platform.shown)
            messages << shown.text;
        QTEST(messages, "messages");
        QCOMPARE(d.folder.read(results), resultsBefore + (written.contains(u"results") ? "report\r\n" : ""));
        QCOMPARE(d.folder.read(history), historyBefore + (written.contains(u"history") ? "entry\r\n" : ""));
        QTEST(d.text(u"Status"_s), "status");
        QCOMPARE(d.find<QTimer>(u"Timer1"_s)->isActive(), pending.isEmpty());
        QCOMPARE(d.find<QPushButton>(u"Save"_s)->isEnabled(), written.isEmpty());  // a retry cannot write twice
        QCOMPARE(d.window->PendingMessage, pending);
    }

    void twoArchivesOnOneDay()
    {
        WindowDriver d;
        QVERIFY(d.start());
        for (const QString &archive : {u"Log/Aquabill_261205_1.log"_s, u"Log/Aquabill_261205_2.log"_s}) {
            d.folder.write(results, withReport);
            d.platform.answerWith({Answer::Yes});
            d.click(u"Archive"_s);
            QCOMPARE(d.folder.read(archive), withReport);
            QCOMPARE(d.folder.read(results), newLog);
            QCOMPARE(d.text(u"Status"_s), u"Results Log File Archived"_s);
        }
        QCOMPARE(QDir(u"Log"_s).entryList(QDir::Files).size(), 4);
    }

    void archiveOrClear_data()
    {
        QTest::addColumn<QByteArray>("log");  // null: no results log
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("lastMessage");
        QTest::addColumn<QString>("status");  // empty: the log is left as it was
        QTest::addColumn<bool>("archived");
        const QString sure = u"Are you sure you want to create a new results log file?"_s;
        const QString cleared = u"Results Log File Cleared"_s;
        using A = QList<Answer>;
        QTest::newRow("yes, no data") << noReport << "" << A{Answer::Yes}
                                      << "There is no data to archive!\r\nResults log file not archived." << ""
                                      << false;
        QTest::newRow("no, no data: cleared without asking")
            << noReport << "" << A{Answer::No} << archiveQuestion << cleared << false;
        QTest::newRow("no, data, sure") << withReport << "" << A{Answer::No, Answer::Yes} << sure << cleared << false;
        QTest::newRow("no, data, not sure") << withReport << "" << A{Answer::No, Answer::No} << sure << "" << false;
        QTest::newRow("cancel") << withReport << "" << A{Answer::Cancel} << archiveQuestion << "" << false;
        QTest::newRow("copy refused")
            << withReport << "Log/Aquabill_261205_1.log" << A{Answer::Yes} << unableToArchive << "" << false;
        QTest::newRow("new log refused after the copy")
            << withReport << results << A{Answer::Yes} << unableToArchive << "" << true;
        QTest::newRow("no results log") << QByteArray() << "" << A{}
                                        << "The results log file is either missing\r\nor corrupted. Delete the log "
                                           "file if\r\nit exists and restart the program."
                                        << "" << false;
    }

    void archiveOrClear()
    {
        QFETCH(QByteArray, log);
        QFETCH(QString, failing);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, status);
        QFETCH(bool, archived);
        WindowDriver d;
        QVERIFY(d.start());
        if (log.isNull())
            QVERIFY(QFile::remove(results));
        else
            d.folder.write(results, log);
        d.platform.failWritesTo(failing);
        for (const Answer answer : answers)
            d.platform.answerWith({answer});
        d.find<QLabel>(u"Status"_s)->setText(u"before"_s);  // emptied by every archive
        d.click(u"Archive"_s);
        QTEST(d.lastMessage().text, "lastMessage");
        QCOMPARE(d.folder.read(results), status.isEmpty() ? log : newLog);
        QCOMPARE(d.folder.read(u"Log/Aquabill_261205_1.log"_s), archived ? log : QByteArray());
        QCOMPARE(d.text(u"Status"_s), status);
    }
};

QTEST_MAIN(TestSaveArchive)
#include "test_save_archive.moc"
