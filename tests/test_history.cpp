#include "support/window_driver.h"
#include "support/history_log.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString history = historylog::path;
using historylog::newLog;
const QStringList reading = {"Date1=01/03/2020", "NRead1=1000", "Date2=01/09/2020", "NRead2=1200"};

using historylog::logOf;
const QString missingLog = u"Aquabill History Log File Error: The history log file is either missing\r\nor corrupted. "
                           u"Delete the log file \r\nAquabill_H.log if it exists and restart\r\nthe program."_s;
const QString notOpened = u"Aquabill History Log File Error: Unable to opem the history log Aquabill_H.log.\r\n"
                          u"This may be a permissions problem."_s;

}  // namespace

// The history log: its entries and headings, the Date 2 check, Get Last and Rem Last.
class TestHistory : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowDriver> d;

private slots:
    void init()
    {
        d.reset();  // first, as each program folder hands the working folder back on its way out
        d = std::make_unique<WindowDriver>();
        QVERIFY(d->start());
    }

    // Tax is typed before Disc1, as a tax rate empties it.
    void twoSavesWriteTheWorkedExample()
    {
        d->enter({"Disc1P=1", "Disc2F=1", "Period=0", "PRate=2", "Date1=01/03/2019", "NRead1=1234", "Date2=01/09/2019",
                  "NRead2=1290.5", "NormalR1=1.5432", "SCharge=38.50", "NormalR2=2.1034", "CheapR=42.75", "BPoint=95",
                  "VAT=17.5", "Disc1=5", "Disc2=10", "Calc", "Save", "Disc2F=0", "Date1=01/09/2019",
                  "NRead1=1290.5", "Date2=01/03/2020", "NRead2=1348.2", "VAT=", "Disc1=", "Disc2=", "Calc", "Save"});
        QCOMPARE(d->folder.read(history),
                 newLog + " 01/03/2019,  1234.0,        ,        ,        ,        ,       ,      ,         ,         ,       \r\n"
                          " 01/09/2019,  1290.5, \xA3" "1.5432,  \xA3" "38.50, \xA3" "2.1034,  \xA3" "42.75,  95.0%, 17.5%,"
                          "    5.00%, F \xA3" "10.00,  6 mth\r\n"
                          " 01/03/2020,  1348.2, \xA3" "1.5432,  \xA3" "38.50, \xA3" "2.1034,  \xA3" "42.75,  95.0%,      ,"
                          "         ,         ,  6 mth\r\n");
    }

    // Nothing to remove asks nothing; a No or a failed cut leaves the log and the window alone.
    void removalCanBeDeclinedOrFail()
    {
        // Eleven lines, as many as a new log's, hold no saved reading, dated as the last may be.
        d->folder.write(history, newLog.mid(newLog.indexOf('\n') + 1) + " 01/03/2019,  1000.0\r\n");
        d->enter(reading + QStringList{"Calc", "Del_Last"});
        d->folder.write(history, logOf(60));
        d->platform.answerWith({platform::Answer::No});
        d->click(u"Del_Last"_s);
        d->platform.failWritesTo(history);
        d->click(u"Del_Last"_s);  // answered Yes
        QCOMPARE(d->folder.read(history), logOf(60));
        QCOMPARE(d->state({"NRead2", "Status", "Save"}),
                 (QStringList{"NRead2=1200.0", "Status=No Saved Meter Readings To Delete", "Save=enabled"}));
        const QString ask = u"Aquabill Modify History File: Are you sure you want to delete\r\n"
                            u"the last saved meter reading?"_s;
        QCOMPARE(d->messages(), (QStringList{ask, ask, notOpened}));
    }

    // Even on the first line of a log whose titles were edited away, a dated entry is the last reading.
    // Its removal takes the calculation on screen with it, so nothing is left to save, and tidies the tariff.
    void removalFromALogWithoutTitles()
    {
        d->folder.write(history, " 10/01/2020,  1234.5\r\n" + QByteArray("x\r\n").repeated(11));
        d->enter(reading + QStringList{"Calc", "SCharge=37.5", "Del_Last"});
        QCOMPARE(d->folder.read(history), QByteArray("x\r\n").repeated(11));
        QCOMPARE(d->state({"NRead2", "TDays", "SCharge", "Save", "Status"}),
                 (QStringList{"NRead2=", "TDays=", "SCharge=£37.50", "Save=disabled",
                              "Status=Last Saved Meter Reading Deleted"}));
    }

    void dateTwoMustFollowTheLastSavedDate_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same day") << QStringList{"Date2=09/01/2020"} << true;
        QTest::newRow("same day, no history") << QStringList{"Date2=09/01/2020", "NoHistory=1"} << false;
    }

    void dateTwoMustFollowTheLastSavedDate()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, refused);
        d->folder.write(history, logOf(20));
        d->enter(QStringList{"Date1=01/07/2019", "NRead1=1000", "NRead2=1600"} + steps + QStringList{"Calc"});
        QCOMPARE(d->window->state().PendingMessage,
                 refused ? u"Meter Reading Date 2 must be later than the last Meter Reading date saved\n"_s : QString());
        // A refused entry is not built; one that will not be saved still is.
        QCOMPARE(d->window->state().HistoryText.contains(u"1600.0"_s), !refused);
        // Nor is it saved once Save Data has found the tariff sound.
        if (refused) {
            d->enter({"Save_Defaults", "Save"});
            QCOMPARE(d->folder.read(history), logOf(20));
        }
    }

    // Whatever empties the results leaves nothing to save: an option ticked after
    // a refused calculation writes nothing, and the same inputs calculate anew.
    void optionTickedAfterACalculation()
    {
        d->folder.write(history, logOf(20));
        d->enter({"Date1=01/01/2020", "NRead1=1000", "Date2=09/01/2020", "NRead2=1200", "Calc", "Period"});
        QCOMPARE(d->state({"TDays", "Save"}), (QStringList{"TDays=", "Save=disabled"}));
        d->window->SaveCalculation();
        d->enter({"Period", "Date2=01/09/2020", "Calc", "Period", "Period", "Calc"});
        QCOMPARE(d->folder.read(history), logOf(20));
        QCOMPARE(d->messages(), QStringList());
        QCOMPARE(d->state({"TDays", "Save"}), (QStringList{"TDays=244", "Save=enabled"}));
    }

    // A history log that cannot be read is reported as a missing one, and the
    // calculation stands; Get Last restores nothing from it, and says why.
    void unreadableHistory_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("getLastSays");
        QTest::newRow("a folder in its place") << true << missingLog;
        // Nothing is mapped at address 0, so reading this file from its start fails as a failing disk does.
        QTest::newRow("a read the disk refuses") << false << notOpened;
    }

    void unreadableHistory()
    {
        QFETCH(bool, folder);
        QFETCH(QString, getLastSays);
        QVERIFY(QFile::remove(history));
        QVERIFY(folder ? QDir().mkdir(history) : QFile::link(u"/proc/self/mem"_s, history));
        d->enter(reading + QStringList{"Calc", "Get_Last"});
        QCOMPARE(d->messages(), (QStringList{missingLog, getLastSays}));
        QCOMPARE(d->state({"Date1", "TDays"}), (QStringList{"Date1=01/03/2020", "TDays=184"}));
    }

    void lastReadingIsRestored_data()
    {
        QTest::addColumn<QByteArray>("lastLine");
        QTest::addColumn<QStringList>("window");
        QTest::newRow("reading of 1.0") << QByteArray(" 01/03/2019,     1.0\r\n")
            << QStringList{"Date1=01/03/2019", "NRead1=1.0", "Date2=", "Status=Last Readings Restored"};
        QTest::newRow("reading of 0.5") << QByteArray(" 01/03/2019,     0.5\r\n")
            << QStringList{"Date1=07/07/2007", "NRead1=777.0", "Date2=08/08/2008", "Status=No Saved Meter Readings To Restore"};
    }

    // Either way Save is disabled, and the focus goes to the next box to fill.
    void lastReadingIsRestored()
    {
        QFETCH(QByteArray, lastLine);
        QFETCH(QStringList, window);
        d->folder.write(history, newLog + lastLine);
        d->enter({"Date2=08/08/2008", "Date1=07/07/2007", "NRead1=777.0", "NormalR1=£1.5"});
        d->find<QPushButton>(u"Save"_s)->setEnabled(true);
        d->click(u"Get_Last"_s);
        // Either way the tariff is checked and dressed again.
        const QStringList after = window + QStringList{"Save=disabled", "NormalR1=£1.5000"};
        QCOMPARE(d->state(after), after);
        QCOMPARE(d->window->focusWidget(), d->find(window[2] == u"Date2=" ? u"Date2"_s : u"Date1"_s));
    }

    // Where the locale writes its own digits, the saved reading still comes back, shown again in them.
    void readingSavedInTheLocalesDigitsIsRestored()
    {
        d.reset();
        d = std::make_unique<WindowDriver>(QLocale(u"ar_EG"_s));
        QVERIFY(d->start());
        d->enter(reading + QStringList{"Calc", "Save", "Clear", "Get_Last"});
        const QStringList restored = {u"Date1=\u0661\u200F/\u0669\u200F/\u0662\u0660\u0662\u0660"_s, "NRead1=1200.0",
                                      "Status=Last Readings Restored"};
        QCOMPARE(d->state(restored), restored);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
