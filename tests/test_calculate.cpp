#include "support/window_driver.h"

#include "calc/calculation.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestCalculate : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
    void theYearsFollowTheClock();
    void aYearOfMonthlyReadingsIsTwelvePeriods_data();
    void aYearOfMonthlyReadingsIsTwelvePeriods();
};

void TestCalculate::aYearOfMonthlyReadingsIsTwelvePeriods_data()
{
    QTest::addColumn<int>("day");  // of each month the meter is read on
    QTest::addColumn<int>("lateBy");  // days, for every other reading
    QTest::newRow("the 5th") << 5 << 0;
    QTest::newRow("the 1st, every other one two days late") << 1 << 2;
    QTest::newRow("the last day") << 31 << 0;
}

// Each reading closes one month and opens the next, as Get Last chains them.
void TestCalculate::aYearOfMonthlyReadingsIsTwelvePeriods()
{
    QFETCH(int, day);
    QFETCH(int, lateBy);
    auto readOn = [&](int month) {
        const QDate first = QDate(2025, 1, 1).addMonths(month);
        return QDate(first.year(), first.month(), std::min(day, first.daysInMonth())).addDays(month % 2 ? lateBy : 0);
    };
    float periods = 0;
    for (int month = 0; month < 12; ++month) {
        const QDate from = readOn(month), to = readOn(month + 1);
        periods += calc::chargePeriods(from, to, true, double(from.daysTo(to)));
    }
    QCOMPARE(periods, 12.0f);
}

// Six-monthly, no tax, Discount 1 of 5% and Discount 2 of 10 per period. The
// option boxes come first: ticking Disc1P empties Disc1.
const QStringList example = {"Period=0", "Disc1P=1", "Disc2F=0", "AutoSave=0", "Date1=01-Jun-2019", "Date2=01/12/2019",
                             "NRead1=1000", "NRead2=1234.5", "NormalR1=1.50", "NormalR2=2.00", "BPoint=95",
                             "SCharge=20", "CheapR=25", "Disc1=5", "Disc2=10", "VAT=", "PRate=2", "Notes="};

void TestCalculate::calculate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("checksOff");
    QTest::addColumn<QStringList>("steps");  // after typing the example; then Calculate is pressed
    QTest::addColumn<QStringList>("shown");  // afterwards
    QTest::addColumn<QStringList>("messages");  // every message box, as "title: text"
    auto row = [](const char *name, const QStringList &steps, const QStringList &shown, QStringList messages = {},
                  bool checksOff = false, QString locale = "en_GB") {
        QTest::newRow(name) << locale << checksOff << steps << shown << messages;
    };
    // A fixed Discount 2 far above a bill of a few pounds.
    const QStringList credit = {"Disc2F=1", "NRead2=1002", "NormalR2=", "BPoint=", "SCharge=", "CheapR=", "Disc2=99"};

    row("worked example", {}, {
        "Date1=01/06/2019", "Date2=01/12/2019", "NRead1=1000.0", "NRead2=1234.5", "TDays=183", "R1Units=234.5",
        "UDay=1281.4", "NR1Cost=£351.75", "R2Units=222.8", "NR2Cost=£445.60", "TSCharge=£20.00", "CRCost=£25.00",
        "TFCharge=£45.00", "TCost=£842.35", "D1Cost=£42.12 in orange", "VCost=", "D2Cost=£10.00 in orange",
        "TVCost=£790.23", "CDay=£4.32", "TDaysP=366", "R1UnitsP=469.5", "NR1CostP=£704.25", "R2UnitsP=446.0",
        "NR2CostP=£892.00", "TSChargeP=£40.00", "CRCostP=£50.00", "TFChargeP=£90.00", "TCostP=£1,686.25",
        "D1CostP=£84.31 in orange", "VCostP=", "D2CostP=£20.00 in orange", "TVCostP=£1,581.94", "Save=enabled"});
    // A refusal names every problem, in order, and leaves no earlier result standing.
    const QString refused = "Aquabill Data Error: ", years = " must be between 1st Jan 2000 and 31st Dec 2026\n";
    row("notes only", {"Calc", "Date1=", "Date2=", "NRead1=", "NRead2=", "Notes=x"}, {"TDays="},
        {refused + "No Meter Readings To Calculate\n"});
    row("tariff, then just outside", {"NormalR1=", "Date1=x", "Date2=32/01/2019", "NRead1=999900.1", "NRead2=2.9"}, {},
        {refused + "Water Volume Charge must be between 0.10 and 9.99\nDate 1 must be a valid date\nDate 2 must be a "
         "valid date\nMeter Reading 1 must be between 1 and 999900\nMeter Reading 2 must be between 3 and 999999\n"});
    // Read as 12 and 1 by the range check but refused by the arithmetic: a range message, never a fatal error.
    row("reading 2 just too high", {"NRead2=999999.1"}, {}, {refused + "Meter Reading 2 must be between 3 and 999999\n"});
    row("trailing letters, grouping", {"NRead1=12abc", "NRead2=1,000"}, {}, {refused + "Meter Reading 1 must be "
        "between 1 and 999900\nMeter Reading 2 must be between 3 and 999999\n"});
    // The clock says 5 December 2026: the last day of its year is still a date to read a meter on.
    row("highest, closest", {"Date1=28/12/2026", "Date2=31/12/2026", "NRead1=999900", "NRead2=999999"}, {"TDays=3"});
    row("lowest, prediction just reaching", {"PRate=1", "Date1=01/01/2000", "Date2=01/07/2000", "NRead1=1", "NRead2=3",
        "NormalR2=", "BPoint="}, {"R1Units=2.0"});
    row("too close", {"Calc", "Date1=31/12/1999", "Date2=02/01/2000", "NRead1=100", "NRead2=101.9", "BPoint=",
        "PRate="}, {"TDays="}, {refused + "Date 1" + years + "Date 2 must be at least 3 days later than Date 1\nMeter "
        "Reading 2 must be at least 2 greater than Meter Reading 1\nThe Sewage Volume Allowance must be set if the "
        "Sewage Volume Charge is set\n"});
    row("too far", {"Date2=01/01/2027", "NormalR2="}, {}, {refused + "Date 2" + years + "The Sewage Volume Charge "
        "must be set if the Sewage Volume Allowance is set\nDate 1 plus number months to predict forward must be "
        "greater than Date 2\n"});
    // Accepted tariff values take their fixed decimals, halves rounded up, zeros emptied, amounts their symbol.
    row("lowest tariff, monthly", {"Period=1", "Disc1P=0", "NormalR1=£0.1", "SCharge=2", "CheapR=2.005", "VAT=0",
        "PRate=24", "Disc1=1", "Disc2=1"}, {"NormalR1=£0.1000", "SCharge=£2.00", "CheapR=£2.01", "VAT=", "PRate=24",
        "Disc1=£1.00", "Disc2=£1.00"});
    row("zeros emptied", {"SCharge=0", "CheapR=0.00", "NormalR2=0", "BPoint=0", "Disc1=0", "Disc2=0", "PRate=0"},
        {"SCharge=", "CheapR=", "NormalR2=", "BPoint=", "Disc1=", "Disc2=", "PRate=", "TSCharge=", "TFCharge=",
         "TVCost=£351.75"});
    row("highest tariff, in percent", {"NormalR1=9.99", "CheapR=99", "VAT=50", "Disc1=30", "BPoint=100", "PRate=2.5"},
        {"NormalR1=£9.9900", "CheapR=£99.00", "VAT=50.0", "Disc1=30.00", "BPoint=100.0", "PRate=3"});
    // The euro follows the amount, so nothing may be taken off the front of a figure, nor put there.
    // The locale's decimal comma is read wherever a number is typed, and a sewerage charge of 1
    // is one, not a currency symbol.
    row("decimal comma", {"Date2=01.12.2019", "NRead1=1000,5", "NRead2=1235,0", "NormalR1=1,5", "NormalR2=1",
        "Disc1=", "Disc2="}, {"NRead1=1000.5", "R1Units=234.5", "NormalR1=1.5000", "NormalR2=1.0000",
        "NR2Cost=222,80\u00A0€"}, {}, false, "de_DE");
    row("euro after the amount", {"Date2=01.12.2019", "NormalR1=1.25", "SCharge=12"}, {"NormalR1=1.2500", "SCharge=12.00",
        "NR1Cost=293,13\u00A0€", "TCost=775,73\u00A0€", "TVCost=726,94\u00A0€"}, {}, false, "de_DE");
    row("191 days, one period", {"Date2=09/12/2019"}, {"TDays=191", "TSCharge=£20.00", "TFCharge=£45.00"});
    row("192 days, two periods", {"Date2=10/12/2019"}, {"TDays=192", "TSCharge=£40.00", "TFCharge=£90.00"});
    // Monthly working charges the months that have passed, a reading up to three days late included.
    row("monthly, 33 days", {"Period=1", "Date1=05/01/2020", "Date2=07/02/2020"}, {"TSCharge=£20.00"});
    row("monthly, 34 days", {"Period=1", "Date1=05/01/2020", "Date2=08/02/2020"}, {"TSCharge=£40.00"});
    row("monthly, across the year", {"Period=1", "Date1=15/12/2019", "Date2=15/01/2020"}, {"TSCharge=£20.00"});
    row("monthly, March to June", {"Period=1", "Date1=01/03/2020", "Date2=01/06/2020", "PRate=3"}, {"TSCharge=£60.00"});
    row("monthly, 3 days", {"Period=1", "Date1=31/12/2019", "Date2=03/01/2020"}, {"TSCharge=£20.00"});
    row("unchanged data typed again", QStringList{"Calc"} + example, {"TVCost=£790.23", "NormalR1=£1.5000"},
        {"Aquabill Error: The data has not changed\r\nsince the last calculation"});
    row("notes changed", {"Calc", "Notes=new meter"}, {"TVCost=£790.23"});
    row("refused in between", QStringList{"Calc", "NRead2=abc", "Calc"} + example, {"TVCost=£790.23"},
        {"Aquabill Data Error: Meter Reading 2 must be between 3 and 999999\n"});
    row("credit", credit, {"TCost=£3.00", "D2Cost=£99.00 in orange", "TVCost=£96.15 in orange", "CDay=£0.53 in orange",
                           "TCostP=£6.75", "D2CostP=£99.00 in orange", "TVCostP=£92.59 in orange"});
    // Nothing owed is no credit.
    row("paid off exactly", {"Disc2F=1", "NRead2=1002", "NormalR2=", "BPoint=", "SCharge=", "CheapR=", "Disc1=", "Disc2=3",
        "PRate="}, {"NR1Cost=£3.00", "TVCost=£0.00", "CDay=£0.00"});
    row("owed again after a credit", credit + QStringList{"Calc", "Disc2="}, {"TVCost=£2.85", "TVCostP=£6.41"});
    row("saved at once", {"AutoSave=1"}, {"Status=Calculation Saved", "Save=disabled"});
    // With the checks switched off the texts reach the arithmetic as they stand.
    row("unchecked range", {"SCharge=100", "VAT=0.5"}, {"SCharge=£100.00", "VAT=0.5", "TVCost=£870.61"}, {}, true);
    row("unchecked zero water charge", {"NormalR1=0"}, {"NormalR1=£0.0000", "NR1Cost=£0.00"}, {}, true);
    row("unchecked, no readings", {"Date1=", "Date2=", "NRead1=", "NRead2="}, {}, {u"Aquabill Fatal Error: Error "
        "Number 111\r\nA Fatal Calculation Error Has Occurred\r\nThe Program Will Now Terminate"_s}, true);
}

void TestCalculate::calculate()
{
    QFETCH(QString, locale);
    QFETCH(bool, checksOff);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, messages);
    WindowDriver d(QLocale(locale), checksOff ? u"-InhibitErrorCheck"_s : QString());
    QVERIFY(d.start());
    d.enter(example + steps + QStringList{"Calc"});
    QCOMPARE(d.messages(), messages);
    QCOMPARE(d.state(shown), shown);
}

// The last year a reading may carry, and the century of a two-digit year, are the clock's.
void TestCalculate::theYearsFollowTheClock()
{
    WindowDriver d;
    d.platform.setNow(QDateTime(QDate(2031, 1, 2), QTime(9, 0)));
    QVERIFY(d.start());
    d.enter(example + QStringList{"Date1=28/12/31", "Date2=31/12/2031", "PRate=", "Calc"});
    QCOMPARE(d.state({"Date1", "TDays"}), (QStringList{"Date1=28/12/2031", "TDays=3"}));
    d.enter({"Date1=28/12/2031", "Date2=01/01/2032", "Calc"});
    QCOMPARE(d.messages(), QStringList{"Aquabill Data Error: Date 2 must be between 1st Jan 2000 and 31st Dec 2031\n"});
}

QTEST_MAIN(TestCalculate)
#include "test_calculate.moc"
