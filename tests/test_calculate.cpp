#include "support/window_driver.h"

#include "calc/calc_steps.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The Calculate command: the cost of a reading interval and its prediction,
// the charging periods, the refusal of unchanged data, credits in orange, and
// what happens when a field cannot be read.
class TestCalculate : public QObject {
    Q_OBJECT

private slots:
    void workedExampleShowsEveryResult();
    void eachStepWritesItsOwnForm();
    void chargingPeriods_data();
    void chargingPeriods();
    void unchangedDataIsRefusedUntilSomethingChanges_data();
    void unchangedDataIsRefusedUntilSomethingChanges();
    void negativeTotalIsShownAsCreditInOrange();
    void autoSaveSavesAtOnce();
    void uncheckedFieldsEndInTheFatalPath_data();
    void uncheckedFieldsEndInTheFatalPath();
};

namespace {

const QColor orange(255, 128, 0), darkGrey(51, 51, 51);

// Six-monthly, no tax, Discount 1 of 5% and Discount 2 of 10 per period.
const QStringList example = {
    u"Date1=01-Jun-2019"_s, u"Date2=01/12/2019"_s, u"NRead1=1000"_s, u"NRead2=1234.5"_s, u"NormalR1=1.50"_s,
    u"NormalR2=2.00"_s,     u"BPoint=95"_s,        u"SCharge=20"_s,   u"CheapR=25"_s,    u"Disc1=5"_s,
    u"Disc2=10"_s,          u"VAT="_s,             u"PRate=2"_s,      u"Notes="_s,
};

void tick(WindowDriver &d, const QString &box, bool on)
{
    if (d.ticked(box) != on)
        d.click(box);
}

// Option boxes first: ticking Disc1P empties Disc1.
void fill(WindowDriver &d, const QStringList &fields, bool monthly = false, bool disc2Fixed = false)
{
    tick(d, u"Period"_s, monthly);
    tick(d, u"Disc1P"_s, true);
    tick(d, u"Disc2F"_s, disc2Fixed);
    tick(d, u"AutoSave"_s, false);
    for (const QString &field : fields)
        d.type(field.section(u'=', 0, 0), field.section(u'=', 1));
}

QColor colourOf(WindowDriver &d, const QString &box)
{
    return d.find<QLineEdit>(box)->palette().color(QPalette::Text);
}

void compareTexts(WindowDriver &d, const QStringList &expected)
{
    for (const QString &pair : expected)
        QCOMPARE(pair.section(u'=', 0, 0) + u'=' + d.text(pair.section(u'=', 0, 0)), pair);
}

}  // namespace

void TestCalculate::workedExampleShowsEveryResult()
{
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, example);
    d.click(u"Calc"_s);

    QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
    compareTexts(d, {
        u"Date1=01/06/2019"_s, u"Date2=01/12/2019"_s, u"NRead1=1000.0"_s, u"NRead2=1234.5"_s,
        u"NormalR1=£1.5000"_s, u"NormalR2=£2.0000"_s, u"BPoint=95.0"_s, u"SCharge=£20.00"_s, u"CheapR=£25.00"_s,
        u"Disc1=5.00"_s, u"Disc2=£10.00"_s, u"VAT="_s, u"PRate=2"_s,
        u"TDays=183"_s, u"R1Units=234.5"_s, u"UDay=1281.4"_s, u"NR1Cost=£351.75"_s, u"R2Units=222.8"_s,
        u"NR2Cost=£445.60"_s, u"TSCharge=£20.00"_s, u"CRCost=£25.00"_s, u"TFCharge=£45.00"_s,
        u"TCost=£842.35"_s, u"D1Cost=£42.12"_s, u"VCost="_s, u"D2Cost=£10.00"_s, u"TVCost=£790.23"_s,
        u"CDay=£4.32"_s,
        u"TDaysP=366"_s, u"R1UnitsP=469.5"_s, u"NR1CostP=£704.25"_s, u"R2UnitsP=446.0"_s, u"NR2CostP=£892.00"_s,
        u"TSChargeP=£40.00"_s, u"CRCostP=£50.00"_s, u"TFChargeP=£90.00"_s, u"TCostP=£1,686.25"_s,
        u"D1CostP=£84.31"_s, u"VCostP="_s, u"D2CostP=£20.00"_s, u"TVCostP=£1,581.94"_s,
    });
    QCOMPARE(d.window->ChargePeriods, 1.0f);
    QCOMPARE(d.window->CostBeforeTax, u"£800.23"_s);
    QCOMPARE(d.window->CostBeforeDiscount2, u"£800.23"_s);
    QCOMPARE(d.window->PredCostBeforeTax, u"£1,601.94"_s);
    QCOMPARE(d.window->PredCostBeforeDiscount2, u"£1,601.94"_s);
    for (const QString &box : {u"D1Cost"_s, u"D2Cost"_s, u"D1CostP"_s, u"D2CostP"_s})
        QCOMPARE(colourOf(d, box), orange);
    for (const QString &box : {u"TCost"_s, u"TVCost"_s, u"CDay"_s, u"TCostP"_s, u"TVCostP"_s})
        QCOMPARE(colourOf(d, box), darkGrey);
    QVERIFY(d.find<QPushButton>(u"Save"_s)->isEnabled());
    QVERIFY(d.window->ResultsText.contains(u"790.23"_s));
    QVERIFY(d.window->PendingMessage.isEmpty());
}

// Before the window dresses the results for show, each box holds the form its
// step wrote: plain amounts keep every digit, money has two decimals.
void TestCalculate::eachStepWritesItsOwnForm()
{
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, example);
    calc::actualCost(*d.window);
    calc::prediction(*d.window, calc::predictionMonths(*d.window));
    compareTexts(d, {
        u"R1Units=234.5"_s, u"UDay=1281.4"_s, u"NR1Cost=£351.75"_s, u"R2Units=222.8"_s, u"NR2Cost=£445.60"_s,
        u"TCost=£842.35"_s, u"D1Cost=42.1175"_s, u"VCost=0"_s, u"D2Cost=10"_s, u"TVCost=790.23"_s,
        u"CDay=4.31819672131148"_s, u"TDaysP=366"_s, u"R1UnitsP=469.5"_s, u"D1CostP=84.3125"_s, u"D2CostP=20"_s,
        u"TVCostP=1581.94"_s,
    });
}

void TestCalculate::chargingPeriods_data()
{
    QTest::addColumn<bool>("monthly");
    QTest::addColumn<QString>("date2");
    QTest::addColumn<QString>("days");
    QTest::addColumn<float>("periods");
    QTest::addColumn<QString>("waterFixed");  // 12 a period
    // From 01/01/2019.
    QTest::newRow("3 days") << false << "04/01/2019" << "3" << 1.0f << "£12.00";
    QTest::newRow("11 days") << false << "12/01/2019" << "11" << 1.0f << "£12.00";
    QTest::newRow("12 days") << false << "13/01/2019" << "12" << 1.0f << "£12.00";
    QTest::newRow("191 days") << false << "11/07/2019" << "191" << 1.0f << "£12.00";
    QTest::newRow("192 days") << false << "12/07/2019" << "192" << 2.0f << "£24.00";
    QTest::newRow("373 days") << false << "09/01/2020" << "373" << 2.0f << "£24.00";
    QTest::newRow("374 days") << false << "10/01/2020" << "374" << 3.0f << "£36.00";
    QTest::newRow("557 days") << false << "11/07/2020" << "557" << 4.0f << "£48.00";
    QTest::newRow("month end to next month") << true << "31/01/2019|03/02/2019" << "3" << 2.0f << "£24.00";
    QTest::newRow("within one month") << true << "31/01/2019" << "30" << 1.0f << "£12.00";
    QTest::newRow("across the year end") << true << "15/12/2019|15/01/2020" << "31" << 2.0f << "£24.00";
}

void TestCalculate::chargingPeriods()
{
    QFETCH(bool, monthly);
    QFETCH(QString, date2);
    QFETCH(QString, days);
    QFETCH(float, periods);
    QFETCH(QString, waterFixed);
    const QString date1 = date2.contains(u'|') ? date2.section(u'|', 0, 0) : u"01/01/2019"_s;
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, {u"Date1="_s + date1, u"Date2="_s + date2.section(u'|', -1), u"NRead1=100"_s, u"NRead2=200"_s,
             u"NormalR1=1"_s, u"SCharge=12"_s, u"CheapR="_s, u"NormalR2="_s, u"BPoint="_s, u"PRate="_s},
         monthly);
    d.click(u"Calc"_s);
    QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
    QCOMPARE(d.text(u"TDays"_s), days);
    QCOMPARE(d.window->ChargePeriods, periods);
    QCOMPARE(d.text(u"TSCharge"_s), waterFixed);
    QCOMPARE(d.text(u"TFCharge"_s), waterFixed);
    QCOMPARE(d.text(u"CRCost"_s), QString());
}

void TestCalculate::unchangedDataIsRefusedUntilSomethingChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("recalculated");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("reading typed again") << "NRead1=1000.0" << false;
    QTest::newRow("notes") << "Notes=new meter" << true;
    QTest::newRow("no history box") << "NoHistory" << true;
    QTest::newRow("clear") << "Clear" << true;
    QTest::newRow("refused calculation") << "refuse" << true;
}

void TestCalculate::unchangedDataIsRefusedUntilSomethingChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, recalculated);
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, example);
    d.click(u"Calc"_s);
    QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));

    if (change == u"NoHistory") {
        d.click(change);
    } else if (change == u"Clear" || change == u"refuse") {
        if (change == u"Clear")
            d.click(u"Clear"_s);
        else
            d.type(u"NRead2"_s, u"abc"_s);
        d.click(u"Calc"_s);
        d.platform.shown.clear();
        fill(d, example);
    } else if (!change.isEmpty()) {
        d.type(change.section(u'=', 0, 0), change.section(u'=', 1));
    }
    d.find<QLineEdit>(u"TVCost"_s)->setText(u"£1.00"_s);
    d.click(u"Calc"_s);

    if (recalculated) {
        QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
        QCOMPARE(d.text(u"TVCost"_s), u"£790.23"_s);
    } else {
        QCOMPARE(d.platform.shown.size(), 1);
        QCOMPARE(d.lastMessage().text, u"The data has not changed\r\nsince the last calculation"_s);
        QCOMPARE(d.lastMessage().title, u"Aquabill Error"_s);
        QCOMPARE(d.lastMessage().icon, platform::Icon::Exclamation);
        QCOMPARE(d.window->PendingMessage, u"The data has not changed since the last calculation\n"_s);
        QCOMPARE(d.text(u"TVCost"_s), u"£1.00"_s);
        QCOMPARE(d.text(u"NormalR1"_s), u"£1.5000"_s);
    }
}

void TestCalculate::negativeTotalIsShownAsCreditInOrange()
{
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, {u"Date1=01/06/2019"_s, u"Date2=01/12/2019"_s, u"NRead1=1000"_s, u"NRead2=1002"_s, u"NormalR1=1.5"_s,
             u"NormalR2="_s, u"BPoint="_s, u"SCharge="_s, u"CheapR="_s, u"Disc1="_s, u"Disc2=99"_s, u"VAT="_s,
             u"PRate=1"_s},
         false, true);
    d.click(u"Calc"_s);
    QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
    compareTexts(d, {u"TCost=£3.00"_s, u"D2Cost=£99.00"_s, u"TVCost=£96.00"_s, u"CDay=£0.52"_s,
                     u"TCostP=£3.75"_s, u"D2CostP=£99.00"_s, u"TVCostP=£95.25"_s});
    for (const QString &box : {u"TVCost"_s, u"CDay"_s, u"TVCostP"_s, u"D2Cost"_s, u"D2CostP"_s})
        QCOMPARE(colourOf(d, box), orange);
    QCOMPARE(colourOf(d, u"TCost"_s), darkGrey);

    // An amount owed again is shown in grey.
    d.type(u"Disc2"_s, QString());
    d.click(u"Calc"_s);
    QCOMPARE(d.text(u"TVCost"_s), u"£3.00"_s);
    QCOMPARE(colourOf(d, u"TVCost"_s), darkGrey);
}

void TestCalculate::autoSaveSavesAtOnce()
{
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, example);
    tick(d, u"AutoSave"_s, true);
    d.click(u"Calc"_s);
    QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
    QCOMPARE(d.text(u"Status"_s), u"Calculation Saved"_s);
    QVERIFY(!d.find<QPushButton>(u"Save"_s)->isEnabled());
}

// With the checks switched off the user's texts reach the arithmetic as they
// stand; an unreadable one ends the program in the step that reads it.
void TestCalculate::uncheckedFieldsEndInTheFatalPath_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("step");  // 0: the calculation completes
    QTest::newRow("out of range is calculated") << QStringList{u"NRead1=0.5"_s, u"Date2=01/01/2021"_s} << 0;
    QTest::newRow("no readings") << QStringList{u"Date1="_s, u"Date2="_s, u"NRead1="_s, u"NRead2="_s} << 111;
    QTest::newRow("reading with letters") << QStringList{u"NRead2=12abc"_s} << 103;
    QTest::newRow("discount with letters") << QStringList{u"Disc2=5abc"_s} << 103;
    QTest::newRow("prediction with letters") << QStringList{u"PRate=1.5abc"_s} << 115;
    QTest::newRow("overflow") << QStringList{u"NRead2=1e308"_s} << 103;
}

void TestCalculate::uncheckedFieldsEndInTheFatalPath()
{
    QFETCH(QStringList, fields);
    QFETCH(int, step);
    WindowDriver d(QLocale(QLocale::English, QLocale::UnitedKingdom), u"-InhibitErrorCheck"_s);
    QVERIFY(d.start());
    fill(d, example + fields);
    d.click(u"Calc"_s);
    if (step == 0) {
        QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
        QVERIFY(!d.text(u"TVCost"_s).isEmpty());
        return;
    }
    QVERIFY(d.window->hasEnded());
    QCOMPARE(d.platform.shown.size(), 1);
    QCOMPARE(d.lastMessage().title, u"Aquabill Fatal Error"_s);
    QCOMPARE(d.lastMessage().text, u"Error Number %1\r\nA Fatal Calculation Error Has Occurred\r\n"
                                    "The Program Will Now Terminate"_s.arg(step));
}

QTEST_MAIN(TestCalculate)
#include "test_calculate.moc"
