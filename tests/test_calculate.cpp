#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The Calculate command as the user meets it: the cost of a reading interval
// and its prediction, the charging periods, the refusal of unchanged data,
// credits in orange, and what happens when a field cannot be read.
class TestCalculate : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
};

namespace {

// Six-monthly, no tax, Discount 1 of 5% and Discount 2 of 10 per period. The
// option boxes come first: ticking Disc1P empties Disc1.
const QStringList example = {"Period=0", "Disc1P=1", "Disc2F=0", "AutoSave=0", "Date1=01-Jun-2019", "Date2=01/12/2019",
                             "NRead1=1000", "NRead2=1234.5", "NormalR1=1.50", "NormalR2=2.00", "BPoint=95",
                             "SCharge=20", "CheapR=25", "Disc1=5", "Disc2=10", "VAT=", "PRate=2", "Notes="};

const QString fatal = u"Aquabill Fatal Error: Error Number %1\r\nA Fatal Calculation Error Has Occurred\r\n"
                      "The Program Will Now Terminate"_s;

}  // namespace

void TestCalculate::calculate_data()
{
    QTest::addColumn<bool>("checksOff");
    QTest::addColumn<QStringList>("steps");  // after typing the example; then Calculate is pressed
    QTest::addColumn<QStringList>("shown");  // afterwards
    QTest::addColumn<QStringList>("messages");  // every message box, as "title: text"
    auto row = [](const char *name, const QStringList &steps, const QStringList &shown, QStringList messages = {},
                  bool checksOff = false) { QTest::newRow(name) << checksOff << steps << shown << messages; };
    // A water fixed charge of 12 a period and none for sewerage.
    auto interval = [&](const char *name, bool monthly, const QString &from, const QString &to, const QString &fixed) {
        row(name, {monthly ? "Period=1" : "Period=0", "Date1=" + from, "Date2=" + to, "SCharge=12", "CheapR=",
                   "PRate="}, {"TSCharge=" + fixed, "TFCharge=" + fixed, "CRCost="});
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
    interval("3 days", false, "01/01/2019", "04/01/2019", "£12.00");
    interval("191 days", false, "01/01/2019", "11/07/2019", "£12.00");
    interval("192 days", false, "01/01/2019", "12/07/2019", "£24.00");
    interval("373 days", false, "01/01/2019", "09/01/2020", "£24.00");
    interval("374 days", false, "01/01/2019", "10/01/2020", "£36.00");
    interval("month end to the next month", true, "31/01/2019", "03/02/2019", "£24.00");
    interval("across the year end", true, "15/12/2019", "15/01/2020", "£24.00");
    row("unchanged data typed again", QStringList{"Calc"} + example, {"TVCost=£790.23", "NormalR1=£1.5000"},
        {"Aquabill Error: The data has not changed\r\nsince the last calculation"});
    row("notes changed", {"Calc", "Notes=new meter"}, {"TVCost=£790.23"});
    row("no history ticked", {"Calc", "NoHistory=1"}, {"TVCost=£790.23"});
    row("cleared", QStringList{"Calc", "Clear"} + example, {"TVCost=£790.23"});
    row("refused in between", QStringList{"Calc", "NRead2=abc", "Calc"} + example, {"TVCost=£790.23"},
        {"Aquabill Data Error: Meter Reading 2 must be between 3 and 999999\n"});
    row("credit", credit, {"TCost=£3.00", "D2Cost=£99.00 in orange", "TVCost=£96.15 in orange", "CDay=£0.53 in orange",
                           "TCostP=£6.75", "D2CostP=£99.00 in orange", "TVCostP=£92.59 in orange"});
    row("owed again after a credit", credit + QStringList{"Calc", "Disc2="}, {"TVCost=£2.85", "TVCostP=£6.41"});
    row("saved at once", {"AutoSave=1"}, {"Status=Calculation Saved", "Save=disabled"});
    // With the checks switched off the texts reach the arithmetic as they stand.
    row("unchecked range", {"SCharge=100", "VAT=0.5"}, {"SCharge=£100.00", "VAT=0.5", "TVCost=£870.61"}, {}, true);
    row("unchecked, no readings", {"Date1=", "Date2=", "NRead1=", "NRead2="}, {}, {fatal.arg(111)}, true);
    row("unchecked, discount with letters", {"Disc2=5abc"}, {}, {fatal.arg(103)}, true);
    row("unchecked, prediction with letters", {"PRate=1.5abc"}, {}, {fatal.arg(115)}, true);
    row("unchecked, overflow", {"NRead2=1e308"}, {}, {fatal.arg(103)}, true);
}

void TestCalculate::calculate()
{
    QFETCH(bool, checksOff);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, messages);
    WindowDriver d(QLocale(QLocale::English, QLocale::UnitedKingdom), checksOff ? u"-InhibitErrorCheck"_s : QString());
    QVERIFY(d.start());
    d.enter(example + steps + QStringList{"Calc"});
    QCOMPARE(d.state(shown), shown);
    QCOMPARE(d.messages(), messages);
}

QTEST_MAIN(TestCalculate)
#include "test_calculate.moc"
