#include "support/window_driver.h"

#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

// The history log: the entry a calculation prepares, the repeated headings,
// the Date 2 check, and restoring and removing the last saved reading.
class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void twoSavesWriteTheWorkedExample();
    void headingsAndOpeningFollowTheLineCount_data();
    void headingsAndOpeningFollowTheLineCount();
    void removingAPagesFirstEntryTakesItsHeadings();
    void removalKeepsTheLinesBeforeTheLastEntry_data();
    void removalKeepsTheLinesBeforeTheLastEntry();
    void nothingToRemoveAsksNothing();
    void dateTwoMustFollowTheLastSavedDate_data();
    void dateTwoMustFollowTheLastSavedDate();
    void lastReadingIsRestored_data();
    void lastReadingIsRestored();
    void longDatesAndReadingsAreCutToTheirColumns();
    void failedRemovalLeavesTheLogAsItWas();
    void missingLogIsReportedAndWorkGoesOn();
};

namespace {

const QString history = u"Log/Aquabill_H.log"_s;

QByteArray title(const QByteArray &created)
{
    return "Aquabill History Log\r\nVersion 3.5\r\nFile Created\r\n" + created + "\r\n\r\n\r\n";
}

QByteArray headings(const QByteArray &tax = "VAT")
{
    return "\r\nDate       , Meter  , Water  , Water  , Sewage , Sewage , Sewage, " + tax
           + "    Discount, Discount, Period\r\n"
             "           , Reading, Volume , Fixed  , Volume , Fixed  , Volume, Rate   1       , 2       ,       \r\n"
             "           ,        , Charge , Charge , Charge , Charge , Allow ,              \r\n"
             "-----------, -------, -------, -------, -------, -------, ------, -----, --------, --------, ------\r\n";
}

// A plain entry line of the layout the program writes.
QByteArray entry(const QString &date, const QString &reading)
{
    return QStringLiteral("%1, %2,        ,        ,        ,        ,       ,      ,         ,         ,  6 mth\r\n")
        .arg(date, 11)
        .arg(reading, 7)
        .toLatin1();
}

// The opening entry: a date and a reading, every other column blank.
QByteArray opening(const QString &date, const QString &reading)
{
    return QStringLiteral("%1, %2,        ,        ,        ,        ,       ,      ,         ,         ,       \r\n")
        .arg(date, 11)
        .arg(reading, 7)
        .toLatin1();
}

// A log of exactly `lines` lines: the title block alone (6), or the new file's
// 11 and then entries, one a day from 1 January 2020, the last of them
// `lastReading`.
QByteArray logOf(int lines, const QString &lastReading = u"1500.0"_s)
{
    if (lines == 6)
        return title("05-Dec-26 10:15:42");
    QByteArray bytes = title("05-Dec-26 10:15:42") + headings();
    const QDate first(2020, 1, 1);
    for (int line = 12; line <= lines; ++line)
        bytes += entry(first.addDays(line - 12).toString(u"dd/MM/yyyy"_s),
                       line == lines ? lastReading : QString::number(1000 + line) + u".0"_s);
    return bytes;
}

// The first `lines` lines, with their line ends.
QByteArray firstLines(const QByteArray &bytes, int lines)
{
    qsizetype end = 0;
    for (int line = 0; line < lines; ++line)
        end = bytes.indexOf("\r\n", end) + 2;
    return bytes.left(end);
}

// Ticks first, since their handlers clear the results and rewrite captions.
void setWindow(WindowDriver &d, const QStringList &settings)
{
    for (const QString &setting : settings) {
        const QString name = setting.section(u'=', 0, 0);
        if (auto *box = qobject_cast<QCheckBox *>(d.find(name)))
            AquabillMain::setValue(box, setting.section(u'=', 1).toInt());
    }
    for (const QString &setting : settings) {
        if (auto *box = qobject_cast<QLineEdit *>(d.find(setting.section(u'=', 0, 0))))
            box->setText(setting.section(u'=', 1));
    }
}

// As at the end of a calculation without auto-save, then Save.
void calculateAndSave(WindowDriver &d, const QStringList &settings)
{
    setWindow(d, settings);
    d.window->PendingMessage.clear();
    d.window->FormatHistoryEntry();
    d.find<QPushButton>(u"Save"_s)->setEnabled(true);
    d.click(u"Save"_s);
}

int lineCount(const QByteArray &bytes) { return int(bytes.count("\r\n")); }

const QStringList firstSave = {
    u"Disc1P=1"_s, u"Disc2F=1"_s, u"Period=0"_s, u"Date1=01/03/2019"_s, u"NRead1=1234.0"_s, u"Date2=01/09/2019"_s,
    u"NRead2=1290.5"_s, u"NormalR1=£1.5432"_s, u"SCharge=£38.50"_s, u"NormalR2=£2.1034"_s, u"CheapR=£42.75"_s,
    u"BPoint=95.0"_s, u"VAT=17.5"_s, u"Disc1=5.00"_s, u"Disc2=£10.00"_s,
};

}  // namespace

void TestHistory::twoSavesWriteTheWorkedExample()
{
    WindowDriver d;
    d.platform.setNow(QDateTime(QDate(2019, 3, 2), QTime(9, 15, 2)));
    QVERIFY(d.start());
    calculateAndSave(d, firstSave);
    calculateAndSave(d, {u"Disc2F=0"_s, u"Date1=01/09/2019"_s, u"NRead1=1290.5"_s, u"Date2=01/03/2020"_s,
                         u"NRead2=1348.2"_s, u"VAT="_s, u"Disc1="_s, u"Disc2="_s});
    const QByteArray expected =
        title("02-Mar-19 09:15:02") + headings()
        + " 01/03/2019,  1234.0,        ,        ,        ,        ,       ,      ,         ,         ,       \r\n"
          " 01/09/2019,  1290.5, \xA3" "1.5432,  \xA3" "38.50, \xA3" "2.1034,  \xA3" "42.75,  95.0%, 17.5%,    5.00%,"
          " F \xA3" "10.00,  6 mth\r\n"
          " 01/03/2020,  1348.2, \xA3" "1.5432,  \xA3" "38.50, \xA3" "2.1034,  \xA3" "42.75,  95.0%,      ,         ,"
          "         ,  6 mth\r\n";
    QCOMPARE(d.folder.read(history), expected);
    QCOMPARE(d.text(u"Status"_s), u"Calculation Saved"_s);
}

void TestHistory::headingsAndOpeningFollowTheLineCount_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("taxLabel");
    QTest::addColumn<bool>("heading");
    QTest::addColumn<bool>("openingEntry");
    QTest::newRow("title block alone") << 6 << "VAT:" << true << false;
    QTest::newRow("new file") << 11 << "VAT:" << false << true;
    QTest::newRow("one saved") << 13 << "VAT:" << false << false;
    QTest::newRow("first page less one") << 48 << "VAT:" << false << false;
    QTest::newRow("first page full") << 49 << "VAT:" << true << false;
    QTest::newRow("first page full, tax label") << 49 << "Tax:" << true << false;
    QTest::newRow("second page begun") << 55 << "VAT:" << false << false;
    QTest::newRow("second page full") << 89 << "VAT:" << true << false;
}

void TestHistory::headingsAndOpeningFollowTheLineCount()
{
    QFETCH(int, lines);
    QFETCH(QString, taxLabel);
    QFETCH(bool, heading);
    QFETCH(bool, openingEntry);
    WindowDriver d;
    QVERIFY(d.start());
    const QByteArray before = logOf(lines);
    QCOMPARE(lineCount(before), lines);
    d.folder.write(history, before);
    d.find<QLabel>(u"VATH"_s)->setText(taxLabel);
    calculateAndSave(d, {u"Date1=01/01/2030"_s, u"NRead1=2000.0"_s, u"Date2=01/07/2030"_s, u"NRead2=2100.0"_s});

    QByteArray expected = (openingEntry ? opening(u"01/01/2030"_s, u"2000.0"_s) : QByteArray());
    if (heading)
        expected = headings(taxLabel.left(3).toLatin1()) + expected;
    const QByteArray after = d.folder.read(history);
    QVERIFY(after.startsWith(before));
    const QByteArray tail = after.mid(before.size());
    QVERIFY2(tail.startsWith(expected), tail.constData());
    QCOMPARE(lineCount(tail), (heading ? 5 : 0) + (openingEntry ? 1 : 0) + 1);
    QVERIFY(tail.startsWith(expected + " 01/07/2030,  2100.0,"));
}

void TestHistory::removingAPagesFirstEntryTakesItsHeadings()
{
    WindowDriver d;
    QVERIFY(d.start());
    const QByteArray full = logOf(49);
    d.folder.write(history, full);
    calculateAndSave(d, {u"Date2=01/07/2030"_s, u"NRead2=2100.0"_s});
    QCOMPARE(lineCount(d.folder.read(history)), 55);

    d.platform.answerWith({platform::Answer::Yes});
    d.click(u"Del_Last"_s);
    QCOMPARE(d.lastMessage().title, u"Aquabill Modify History File"_s);
    QCOMPARE(d.lastMessage().text, u"Are you sure you want to delete\r\nthe last saved meter reading?"_s);
    QCOMPARE(d.lastMessage().buttons, platform::Buttons::YesNo);
    QCOMPARE(d.folder.read(history), full);
    QCOMPARE(d.text(u"Status"_s), u"Last Saved Meter Reading Deleted"_s);
    QVERIFY(d.text(u"NRead2"_s).isEmpty());
    QVERIFY(!d.find<QPushButton>(u"Save"_s)->isEnabled());
}

void TestHistory::removalKeepsTheLinesBeforeTheLastEntry_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("kept");
    QTest::newRow("opening entry alone left") << 13 << 12;
    QTest::newRow("opening entry") << 12 << 11;
    QTest::newRow("within a page") << 56 << 55;
    QTest::newRow("second page's first entry") << 95 << 89;
    QTest::newRow("line ends kept as stored") << 20 << 19;
}

void TestHistory::removalKeepsTheLinesBeforeTheLastEntry()
{
    QFETCH(int, lines);
    QFETCH(int, kept);
    WindowDriver d;
    QVERIFY(d.start());
    QByteArray before = logOf(lines);
    QByteArray expected = firstLines(before, kept);
    if (QByteArray(QTest::currentDataTag()) == "line ends kept as stored") {
        // A file touched by an editor: a lone line end, and none after the last line.
        before.replace("\r\n 01/01/2020,", "\n 01/01/2020,");
        expected.replace("\r\n 01/01/2020,", "\n 01/01/2020,");
        before.chop(2);
    }
    d.folder.write(history, before);
    d.platform.answerWith({platform::Answer::Yes});
    d.click(u"Del_Last"_s);
    QCOMPARE(d.folder.read(history), expected);
}

void TestHistory::nothingToRemoveAsksNothing()
{
    WindowDriver d;
    QVERIFY(d.start());
    const QByteArray created = d.folder.read(history);
    const qsizetype shown = d.platform.shown.size();
    d.click(u"Del_Last"_s);
    QCOMPARE(d.platform.shown.size(), shown);
    QCOMPARE(d.text(u"Status"_s), u"No Saved Meter Readings To Delete"_s);

    // Answering No leaves the log and the window as they were.
    d.folder.write(history, logOf(20));
    d.find<QLineEdit>(u"NRead2"_s)->setText(u"1600.0"_s);
    d.platform.answerWith({platform::Answer::No});
    d.click(u"Del_Last"_s);
    QCOMPARE(d.platform.shown.size(), shown + 1);
    QCOMPARE(d.folder.read(history), logOf(20));
    QCOMPARE(d.text(u"NRead2"_s), u"1600.0"_s);
    QVERIFY(d.text(u"Status"_s) != u"Last Saved Meter Reading Deleted"_s);
    QCOMPARE(created, title("05-Dec-26 10:15:42") + headings());
}

void TestHistory::dateTwoMustFollowTheLastSavedDate_data()
{
    QTest::addColumn<QString>("date2");
    QTest::addColumn<int>("noHistory");
    QTest::addColumn<bool>("refused");
    // The last saved reading of logOf(20) is dated 09/01/2020.
    QTest::newRow("same day") << "09/01/2020" << 0 << true;
    QTest::newRow("earlier") << "01/01/2019" << 0 << true;
    QTest::newRow("next day") << "10/01/2020" << 0 << false;
    QTest::newRow("same day, no history") << "09/01/2020" << 1 << false;
    QTest::newRow("same day, long form") << "09-Jan-2020" << 0 << true;
}

void TestHistory::dateTwoMustFollowTheLastSavedDate()
{
    QFETCH(QString, date2);
    QFETCH(int, noHistory);
    QFETCH(bool, refused);
    WindowDriver d;
    QVERIFY(d.start());
    d.folder.write(history, logOf(20));
    setWindow(d, {u"NoHistory="_s + QString::number(noHistory), u"Date2="_s + date2, u"NRead2=1600.0"_s});
    d.window->PendingMessage.clear();
    d.window->FormatHistoryEntry();
    const QString message = u"Meter Reading Date 2 must be later than the last Meter Reading date saved\n"_s;
    QCOMPARE(d.window->PendingMessage, refused ? message : QString());
    // A refused entry is not built; the entry is built even when it will not be saved.
    QCOMPARE(d.window->HistoryText.contains(u"1600.0"_s), !refused);
}

void TestHistory::lastReadingIsRestored_data()
{
    QTest::addColumn<QByteArray>("lastLine");
    QTest::addColumn<QString>("date1");
    QTest::addColumn<QString>("reading1");
    QTest::newRow("reading of 1.0") << entry(u"01/03/2019"_s, u"1.0"_s) << "01/03/2019" << "1.0";
    QTest::newRow("reading of 0.5") << entry(u"01/03/2019"_s, u"0.5"_s) << "" << "";
    QTest::newRow("reading of 0.0") << entry(u"01/03/2019"_s, u"0.0"_s) << "" << "";
    QTest::newRow("empty reading") << entry(u"01/03/2019"_s, u""_s) << "" << "";
    QTest::newRow("long date form") << entry(u"05-Dec-2019"_s, u"23456.7"_s) << "05/12/2019" << "23456.7";
    QTest::newRow("no date") << entry(u"someday"_s, u"1234.0"_s) << "" << "";
    QTest::newRow("only headings") << QByteArray() << "" << "";
}

void TestHistory::lastReadingIsRestored()
{
    QFETCH(QByteArray, lastLine);
    QFETCH(QString, date1);
    QFETCH(QString, reading1);
    WindowDriver d;
    QVERIFY(d.start());
    d.folder.write(history, logOf(11) + lastLine);
    setWindow(d, {u"Date1=07/07/2007"_s, u"NRead1=777.0"_s, u"Date2=08/08/2008"_s});
    d.find<QPushButton>(u"Save"_s)->setEnabled(true);
    d.click(u"Get_Last"_s);
    const bool restored = !reading1.isEmpty();
    QCOMPARE(d.text(u"Date1"_s), restored ? date1 : u"07/07/2007"_s);
    QCOMPARE(d.text(u"NRead1"_s), restored ? reading1 : u"777.0"_s);
    QCOMPARE(d.text(u"Date2"_s), restored ? QString() : u"08/08/2008"_s);
    QCOMPARE(d.text(u"Status"_s), restored ? u"Last Readings Restored"_s : u"No Saved Meter Readings To Restore"_s);
    QCOMPARE(d.window->focusWidget(), d.find(restored ? u"Date2"_s : u"Date1"_s));
    QVERIFY(!d.find<QPushButton>(u"Save"_s)->isEnabled());
}

void TestHistory::longDatesAndReadingsAreCutToTheirColumns()
{
    WindowDriver d;
    QVERIFY(d.start());
    setWindow(d, {u"Date1=01-March-2019"_s, u"NRead1=1234.0"_s, u"Date2=05-December-2019"_s,
                  u"NRead2=123456.7"_s, u"NormalR1=£12,345.6789"_s, u"Disc1=12345.00"_s, u"Disc1P=1"_s});
    d.window->PendingMessage.clear();
    d.window->FormatHistoryEntry();
    const QStringList lines = d.window->HistoryText.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(u"01-Mar-2019,  1234.0,        ,"_s), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith(u"05-Dec-2019, 23456.7, 45.6789,"_s), qPrintable(lines[1]));
    QVERIFY2(lines[1].contains(u", 2345.00%,"_s), qPrintable(lines[1]));
    QCOMPARE(lines[0].size(), 99);
}

void TestHistory::failedRemovalLeavesTheLogAsItWas()
{
    WindowDriver d;
    QVERIFY(d.start());
    const QByteArray before = logOf(60);
    d.folder.write(history, before);
    d.find<QLineEdit>(u"NRead2"_s)->setText(u"1600.0"_s);
    d.platform.failWritesTo(history);
    d.platform.answerWith({platform::Answer::Yes});
    d.click(u"Del_Last"_s);
    QCOMPARE(d.lastMessage().title, u"Aquabill History Log File Error"_s);
    QCOMPARE(d.lastMessage().text, u"Unable to opem the history log Aquabill_H.log.\r\nThis may be a permissions problem."_s);
    QCOMPARE(d.folder.read(history), before);
    QCOMPARE(d.text(u"NRead2"_s), u"1600.0"_s);
    QVERIFY(d.text(u"Status"_s) != u"Last Saved Meter Reading Deleted"_s);
}

void TestHistory::missingLogIsReportedAndWorkGoesOn()
{
    WindowDriver d;
    QVERIFY(d.start());
    QVERIFY(QFile::remove(history));
    const QString missing = u"Aquabill History Log File Error"_s;

    setWindow(d, {u"Date1=07/07/2007"_s, u"NRead1=777.0"_s, u"Date2=08/08/2008"_s, u"NRead2=800.0"_s});
    d.find<QPushButton>(u"Save"_s)->setEnabled(true);
    d.click(u"Get_Last"_s);
    QCOMPARE(d.lastMessage().title, missing);
    QCOMPARE(d.text(u"NRead1"_s), u"777.0"_s);
    QVERIFY(!d.find<QPushButton>(u"Save"_s)->isEnabled());

    d.click(u"Del_Last"_s);
    QCOMPARE(d.lastMessage().title, missing);
    QCOMPARE(d.text(u"Status"_s), u"No Saved Meter Readings To Delete"_s);

    // Calculate builds the entry as for an empty log: no check, no headings.
    d.platform.shown.clear();
    d.window->PendingMessage.clear();
    d.window->FormatHistoryEntry();
    QCOMPARE(d.platform.shown.size(), 1);
    QCOMPARE(d.lastMessage().title, missing);
    QVERIFY(d.window->PendingMessage.isEmpty());
    QVERIFY(d.window->HistoryText.startsWith(u" 08/08/2008,   800.0,"_s));
    QVERIFY(!d.window->HistoryText.contains(u"\r\n"_s));
    QVERIFY(!d.folder.exists(history));
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
