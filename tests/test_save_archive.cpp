#include "support/window_driver.h"
#include "support/history_log.h"

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
    // The log holds a reading of 1 June 2020; the calculation's Date 2 is
    // 1 September unless a case types another.
    void save_data()
    {
        QTest::addColumn<QStringList>("steps");    // before Save
        QTest::addColumn<QString>("answer");       // to the question about no history
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("message");      // the last one shown
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("status");       // empty: as the calculation left it
        QTest::addColumn<bool>("saveEnabled");
        const QStringList calculated = {"AutoSave=0", "Date1=01/03/2020", "NRead1=1000", "Date2=01/09/2020", "NRead2=1200", "Calc"};
        const QStringList withoutHistory = QStringList{"NoHistory=1"} + calculated;
        const QString ask = u"No history data will be saved\r\nTo save history results click\r\n"
                            "Cancel, reset the No History \r\ncheck box and click Save again"_s;
        const QString refusal = u"Unable to write to the %1 log file %2.\r\nThis may be a permissions problem."_s;
        QTest::newRow("both written") << calculated << "" << "" << "" << "results history" << "Calculation Saved" << false;
        QTest::newRow("date 2 not after the saved reading") << calculated + QStringList{"Date2=01/05/2020", "Calc"} << ""
            << "" << u"Meter Reading Date 2 must be later than the last Meter Reading date saved\nNo results or history data saved\n"_s
            << "" << "" << true;
        QTest::newRow("no history, OK") << withoutHistory << "OK" << "" << ask << "results" << "Calculation Saved" << false;
        QTest::newRow("no history, Cancel") << withoutHistory << "Cancel" << "" << ask << "" << "No Calculation Saved" << true;
        QTest::newRow("results refused") << calculated << "" << results << refusal.arg(u"results"_s, u"Aquabill.log"_s)
                                         << "history" << "History Saved, Results Not Saved" << false;
        QTest::newRow("history refused") << calculated << "" << history << refusal.arg(u"history"_s, u"Aquabill_H.log"_s)
                                         << "results" << "Results Saved, History Not Saved" << false;
        QTest::newRow("nothing written") << withoutHistory << "OK" << results << refusal.arg(u"results"_s, u"Aquabill.log"_s)
                                         << "" << "No Calculation Saved" << true;
        // Results cleared by an option box leave no entry to save, and nothing is written.
        QTest::newRow("no calculation") << calculated + QStringList{"Period"} << "" << "" << "" << ""
                                        << "No Calculation Saved" << false;
    }

    void save()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, answer);
        QFETCH(QString, refused);
        QFETCH(QString, written);
        QFETCH(QString, status);
        WindowDriver d;
        QVERIFY(d.start());
        d.folder.write(history, historylog::newLog + " 01/06/2020,  1000.0\r\n");
        d.enter(steps);
        d.platform.answerWith({answer == u"Cancel" ? Answer::Cancel : Answer::Ok});
        d.platform.failWritesTo(refused);
        d.find<QPushButton>(u"Save"_s)->setEnabled(true);  // as a calculation leaves it
        const QString statusBefore = d.text(u"Status"_s);
        const QByteArray resultsBefore = d.folder.read(results), historyBefore = d.folder.read(history);
        const qsizetype shownBefore = d.platform.shown.size();

        d.click(u"Save"_s);
        QTEST(d.platform.shown.size() > shownBefore ? d.lastMessage().text : QString(), "message");
        const QByteArray resultsAfter = d.folder.read(results), historyAfter = d.folder.read(history);
        QVERIFY(resultsAfter.startsWith(resultsBefore) && historyAfter.startsWith(historyBefore));
        QCOMPARE(resultsAfter.mid(resultsBefore.size()).contains("Total Cost"), written.contains(u"results"));
        QCOMPARE(historyAfter.mid(historyBefore.size()).startsWith(" 01/09/2020,  1200.0, "), written.contains(u"history"));
        QCOMPARE(d.text(u"Status"_s), status.isEmpty() ? statusBefore : status);
        // A retry cannot write twice, and there is nothing to retry without a calculation.
        QTEST(d.find<QPushButton>(u"Save"_s)->isEnabled(), "saveEnabled");
    }

    // Each archive of a day takes the next counter; the old log goes only once
    // its copy and the new log are both written.
    void archive_data()
    {
        QTest::addColumn<int>("archivedBefore");  // the day's archives already there
        QTest::addColumn<QString>("failing");      // a write that fails
        QTest::addColumn<QList<Answer>>("answers");  // to archive, then to clear without archiving
        QTest::addColumn<QString>("archive");      // the copy made; none when it is refused
        QTest::addColumn<QString>("status");       // none when the log is kept
        const QString archived = u"Results Log File Archived"_s;
        const QList<Answer> yes = {Answer::Yes};
        QTest::newRow("first of the day") << 0 << u""_s << yes << u"Log/Aquabill_261205_1.log"_s << archived;
        QTest::newRow("second of the day") << 1 << u""_s << yes << u"Log/Aquabill_261205_2.log"_s << archived;
        QTest::newRow("copy refused") << 0 << u"Log/Aquabill_261205_1.log"_s << yes << u""_s << u""_s;
        QTest::newRow("new log refused") << 0 << results << yes << u"Log/Aquabill_261205_1.log"_s << u""_s;
        // The counter goes as far as 32767; past it the log is kept as it is.
        QTest::newRow("the day's last counter") << 32766 << u""_s << yes << u"Log/Aquabill_261205_32767.log"_s << archived;
        QTest::newRow("every counter of the day used") << 32767 << u""_s << yes << u""_s << u""_s;
        // Reports are cleared without a copy only when the user says so a second time.
        QTest::newRow("cleared, not archived") << 0 << u""_s << QList<Answer>{Answer::No, Answer::Yes} << u""_s
                                               << u"Results Log File Cleared"_s;
        QTest::newRow("clearing declined") << 0 << u""_s << QList<Answer>{Answer::No, Answer::No} << u""_s << u""_s;
    }

    void archive()
    {
        QFETCH(int, archivedBefore);
        QFETCH(QString, failing);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, archive);
        QFETCH(QString, status);
        WindowDriver d;
        QVERIFY(d.start());
        d.folder.write(results, withReport);
        for (int counter = 1; counter <= archivedBefore; ++counter)
            d.folder.write(u"Log/Aquabill_261205_%1.log"_s.arg(counter), "earlier");
        d.platform.failWritesTo(failing);
        for (Answer answer : answers)
            d.platform.answerWith({answer});
        d.click(u"Archive"_s);
        if (!archive.isEmpty())
            QCOMPARE(d.folder.read(archive), withReport);
        QCOMPARE(d.folder.read(results), status.isEmpty() ? withReport : newLog);
        QCOMPARE(d.text(u"Status"_s), status);
        const QString refusal = u"Unable to archive the results log file Aquabill.log.\r\nThis may be a permissions problem."_s;
        QCOMPARE(d.platform.shown.last().text == refusal, status.isEmpty() && answers.first() == Answer::Yes);
    }

    // A log without reports is cleared but not archived; with no log at all, nothing is made.
    void nothingToArchive()
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
        QVERIFY(QFile::remove(results));
        d.click(u"Archive"_s);
        QCOMPARE(d.messages().last(), u"Aquabill Results Log File Error: The results log file is either missing\r\nor "
                                       "corrupted. Delete the log file if\r\nit exists and restart the program."_s);
        QVERIFY(!QFile::exists(results));
    }

    void aCommandWithoutTheLogFolderEnds_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("folder");  // as the message names it
        QTest::newRow("Archive") << u"Archive"_s << u"log"_s;
        QTest::newRow("History") << u"ViewH"_s << u"Log"_s;
        QTest::newRow("Results") << u"ViewL"_s << u"Log"_s;
    }

    // With the log folder gone, a command that needs it says so and ends the program, making
    // nothing in its place.
    void aCommandWithoutTheLogFolderEnds()
    {
        QFETCH(QString, command);
        QFETCH(QString, folder);
        WindowDriver d;
        QVERIFY(d.start());
        QVERIFY(QDir(u"Log"_s).removeRecursively());
        d.click(command);
        QCOMPARE(d.messages(), QStringList{u"Aquabill Log Directory Error: The %1 directory does not exist.\r\n"
                                           "To restore the %1 directory\r\nreinstall the program.\r\n"
                                           "The program will now terminate."_s.arg(folder)});
        QCOMPARE(d.platform.quitCodes, QList<int>{1});
        QVERIFY(!QDir(u"Log"_s).exists());
    }
};

QTEST_MAIN(TestSaveArchive)
#include "test_save_archive.moc"
