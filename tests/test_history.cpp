#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString history = u"Log/Aquabill_H.log"_s;
const QByteArray title = "Aquabill History Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n";
const QByteArray headings =
    "\r\nDate       , Meter  , Water  , Water  , Sewage , Sewage , Sewage, VAT    Discount, Discount, Period\r\n"
    "           , Reading, Volume , Fixed  , Volume , Fixed  , Volume, Rate   1       , 2       ,       \r\n"
    "           ,        , Charge , Charge , Charge , Charge , Allow ,              \r\n"
    "-----------, -------, -------, -------, -------, -------, ------, -----, --------, --------, ------\r\n";

// An entry of a date and a reading alone; without a period it is an opening entry.
QByteArray entry(const QString &date, const QString &reading, const QString &period = u"6 mth"_s)
{
    return u"%1, %2,        ,        ,        ,        ,       ,      ,         ,         , %3\r\n"_s
        .arg(date, 11).arg(reading, 7).arg(period, 6).toLatin1();
}

// The title block alone (6 lines), or a new file (11 lines) followed by
// entries a day apart from 1 January 2020.
QByteArray logOf(int lines)
{
    QByteArray bytes = lines == 6 ? title : title + headings;
    for (int line = 12; line <= lines; ++line)
        bytes += entry(QDate(2020, 1, 1).addDays(line - 12).toString(u"dd/MM/yyyy"_s), u"%1.0"_s.arg(1000 + line));
    return bytes;
}

// Fills the window, ticks first as Disc1P's handler empties Disc1, then builds
// the history entry and enables Save, as a calculation without auto-save ends.
void calculate(WindowDriver &d, const QStringList &settings)
{
    for (const QString &setting : settings) {
        QWidget *control = d.find(setting.section(u'=', 0, 0));
        control->setProperty(qobject_cast<QCheckBox *>(control) ? "checked" : "text", setting.section(u'=', 1));
    }
    d.window->PendingMessage.clear();
    d.window->FormatHistoryEntry();
    d.find<QPushButton>(u"Save"_s)->setEnabled(true);
}

}  // namespace

// The history log: the entry a calculation prepares, the repeated headings,
// the Date 2 check, and restoring and removing the last saved reading.
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

    void twoSavesWriteTheWorkedExample()
    {
        calculate(*d, {u"Disc1P=1"_s, u"Disc2F=1"_s, u"Period=0"_s, u"Date1=01/03/2019"_s, u"NRead1=1234.0"_s,
                       u"Date2=01/09/2019"_s, u"NRead2=1290.5"_s, u"NormalR1=£1.5432"_s, u"SCharge=£38.50"_s,
                       u"NormalR2=£2.1034"_s, u"CheapR=£42.75"_s, u"BPoint=95.0"_s, u"VAT=17.5"_s,
                       u"Disc1=5.00"_s, u"Disc2=£10.00"_s});
        d->click(u"Save"_s);
        calculate(*d, {u"Disc2F=0"_s, u"Date1=01/09/2019"_s, u"NRead1=1290.5"_s, u"Date2=01/03/2020"_s,
                       u"NRead2=1348.2"_s, u"VAT="_s, u"Disc1="_s, u"Disc2="_s});
        d->click(u"Save"_s);
        QCOMPARE(d->folder.read(history),
                 logOf(11)
                     + " 01/03/2019,  1234.0,        ,        ,        ,        ,       ,      ,         ,         ,       \r\n"
                       " 01/09/2019,  1290.5, \xA3" "1.5432,  \xA3" "38.50, \xA3" "2.1034,  \xA3" "42.75,  95.0%, 17.5%,"
                       "    5.00%, F \xA3" "10.00,  6 mth\r\n"
                       " 01/03/2020,  1348.2, \xA3" "1.5432,  \xA3" "38.50, \xA3" "2.1034,  \xA3" "42.75,  95.0%,      ,"
                       "         ,         ,  6 mth\r\n");
    }

    void savedLinesFollowTheLineCount_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("taxLabel");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<bool>("opening");
        QTest::addColumn<int>("keptByRemoval");
        QTest::newRow("title block alone") << 6 << "VAT:" << true << false << 11;
        QTest::newRow("new file") << 11 << "VAT:" << false << true << 12;
        QTest::newRow("first page less one") << 48 << "VAT:" << false << false << 48;
        QTest::newRow("first page full") << 49 << "VAT:" << true << false << 49;
        QTest::newRow("second page full, tax label") << 89 << "Tax:" << true << false << 89;
    }

    // Saves into a log of each length, then removes the saved reading again.
    // Long dates and readings, and a percentage discount, are cut to their columns.
    void savedLinesFollowTheLineCount()
    {
        QFETCH(int, lines);
        QFETCH(QString, taxLabel);
        QFETCH(bool, heading);
        QFETCH(bool, opening);
        QFETCH(int, keptByRemoval);
        d->folder.write(history, logOf(lines));
        calculate(*d, {u"Disc1P=1"_s, u"Period=1"_s, u"Date1=01-January-2030"_s, u"NRead1=2000.0"_s,
                       u"Date2=01-July-2030"_s, u"NRead2=123456.7"_s, u"NormalR1=£12,345.6789"_s, u"SCharge="_s,
                       u"NormalR2="_s, u"CheapR="_s, u"BPoint="_s, u"VAT="_s, u"Disc1=12345.00"_s, u"Disc2="_s,
                       u"VATH="_s + taxLabel});
        d->click(u"Save"_s);
        const QByteArray saved = d->folder.read(history);
        QCOMPARE(saved,
                 logOf(lines) + (heading ? QByteArray(headings).replace("VAT", taxLabel.left(3).toLatin1()) : "")
                     + (opening ? entry(u"01-Jan-2030"_s, u"2000.0"_s, {}) : "")
                     + "01-Jul-2030, 23456.7, 45.6789,        ,        ,        ,       ,      , 2345.00%,         ,  1 mth\r\n");

        d->find<QPushButton>(u"Save"_s)->setEnabled(true);
        d->click(u"Del_Last"_s);  // an unscripted question is answered Yes
        QCOMPARE(d->folder.read(history), saved.split('\n').mid(0, keptByRemoval).join('\n') + '\n');
        QCOMPARE(d->state({u"NRead1"_s, u"Status"_s}), (QStringList{u"NRead1="_s, u"Status=Last Saved Meter Reading Deleted"_s}));
        // A reading prepared before the removal can no longer be saved.
        QVERIFY(!d->find<QPushButton>(u"Save"_s)->isEnabled());
    }

    // Nothing to remove asks nothing; a No or a failed cut leaves the log and the window alone.
    void removalCanBeDeclinedOrFail()
    {
        calculate(*d, {u"NRead2=1600.0"_s});
        d->platform.shown.clear();
        d->click(u"Del_Last"_s);  // the new file holds no saved reading
        d->folder.write(history, logOf(60));
        d->platform.answerWith({platform::Answer::No});
        d->click(u"Del_Last"_s);
        d->platform.failWritesTo(history);
        d->click(u"Del_Last"_s);  // answered Yes
        QCOMPARE(d->folder.read(history), logOf(60));
        QCOMPARE(d->state({u"NRead2"_s, u"Status"_s}),
                 (QStringList{u"NRead2=1600.0"_s, u"Status=No Saved Meter Readings To Delete"_s}));
        QVERIFY(d->find<QPushButton>(u"Save"_s)->isEnabled());
        const QString ask = u"Aquabill Modify History File: Are you sure you want to delete\r\n"
                            u"the last saved meter reading?"_s;
        QCOMPARE(d->messages(), (QStringList{ask, ask, u"Aquabill History Log File Error: Unable to opem the history log "
                                                   u"Aquabill_H.log.\r\nThis may be a permissions problem."_s}));
        QCOMPARE(d->platform.shown.first().buttons, platform::Buttons::YesNo);
    }

    void dateTwoMustFollowTheLastSavedDate_data()
    {
        QTest::addColumn<QString>("date2");
        QTest::addColumn<int>("noHistory");
        QTest::addColumn<bool>("refused");
        // The last entry of a 20-line log is dated 09/01/2020.
        QTest::newRow("same day") << "09/01/2020" << 0 << true;
        QTest::newRow("earlier") << "01/01/2019" << 0 << true;
        QTest::newRow("next day") << "10/01/2020" << 0 << false;
        QTest::newRow("same day, no history") << "09/01/2020" << 1 << false;
    }

    void dateTwoMustFollowTheLastSavedDate()
    {
        QFETCH(QString, date2);
        QFETCH(int, noHistory);
        QFETCH(bool, refused);
        d->folder.write(history, logOf(20));
        calculate(*d, {u"NoHistory=%1"_s.arg(noHistory), u"Date2="_s + date2, u"NRead2=1600.0"_s});
        QCOMPARE(d->window->PendingMessage,
                 refused ? u"Meter Reading Date 2 must be later than the last Meter Reading date saved\n"_s : QString());
        // A refused entry is not built; one that will not be saved still is.
        QCOMPARE(d->window->HistoryText.contains(u"1600.0"_s), !refused);
    }

    void lastReadingIsRestored_data()
    {
        QTest::addColumn<QByteArray>("lastLine");
        QTest::addColumn<QStringList>("window");
        const QStringList unchanged = {u"Date1=07/07/2007"_s, u"NRead1=777.0"_s, u"Date2=08/08/2008"_s,
                                       u"Status=No Saved Meter Readings To Restore"_s};
        const QString restored = u"Status=Last Readings Restored"_s;
        QTest::newRow("reading of 1.0") << entry(u"01/03/2019"_s, u"1.0"_s)
                                        << QStringList{u"Date1=01/03/2019"_s, u"NRead1=1.0"_s, u"Date2="_s, restored};
        QTest::newRow("long date form") << entry(u"05-Dec-2019"_s, u"23456.7"_s)
                                        << QStringList{u"Date1=05/12/2019"_s, u"NRead1=23456.7"_s, u"Date2="_s, restored};
        QTest::newRow("reading of 0.5") << entry(u"01/03/2019"_s, u"0.5"_s) << unchanged;
        QTest::newRow("empty reading") << entry(u"01/03/2019"_s, u""_s) << unchanged;
        QTest::newRow("new file") << QByteArray() << unchanged;
    }

    void lastReadingIsRestored()
    {
        QFETCH(QByteArray, lastLine);
        QFETCH(QStringList, window);
        d->folder.write(history, logOf(11) + lastLine);
        calculate(*d, {u"Date1=07/07/2007"_s, u"NRead1=777.0"_s, u"Date2=08/08/2008"_s});
        d->click(u"Get_Last"_s);
        QCOMPARE(d->state(window), window);
        // The next box to fill: Date 2 after a restore, Date 1 otherwise.
        QCOMPARE(d->window->focusWidget(), d->find(window[2] == u"Date2=" ? u"Date2"_s : u"Date1"_s));
        QVERIFY(!d->find<QPushButton>(u"Save"_s)->isEnabled());
    }

    void missingLogIsReportedAndWorkGoesOn()
    {
        QVERIFY(QFile::remove(history));
        d->platform.shown.clear();
        calculate(*d, {u"Date1=07/07/2007"_s, u"NRead1=777.0"_s, u"Date2=08/08/2008"_s, u"NRead2=800.0"_s});
        // Built as for an empty log: no headings, no opening entry.
        QCOMPARE(d->window->HistoryText.size(), 99);
        QVERIFY(d->window->HistoryText.startsWith(u" 08/08/2008,   800.0,"_s));
        d->click(u"Get_Last"_s);
        QCOMPARE(d->state({u"Date1"_s, u"NRead1"_s}), (QStringList{u"Date1=07/07/2007"_s, u"NRead1=777.0"_s}));
        QVERIFY(!d->find<QPushButton>(u"Save"_s)->isEnabled());
        d->click(u"Del_Last"_s);
        QCOMPARE(d->text(u"Status"_s), u"No Saved Meter Readings To Delete"_s);
        const QString missing = u"Aquabill History Log File Error: The history log file is either missing\r\n"
                                u"or corrupted. Delete the log file \r\nAquabill_H.log if it exists and restart\r\n"
                                u"the program."_s;
        QCOMPARE(d->messages(), QStringList(3, missing));
        QVERIFY(!d->folder.exists(history));
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
