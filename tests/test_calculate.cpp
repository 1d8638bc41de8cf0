#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestCalculate : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
    void theYearsFollowTheClock();
};

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
    // A refusal names every problem, in order, and leaves no earlier result standing; a tariff
    // found sound keeps its symbol.
    const QString refused = "Aquabill Data Error: ";
    row("notes only", {"Calc", "Date1=", "Date2=", "NRead1=", "NRead2=", "Notes=x"},
        {"TDays=", "TDaysP=", "NormalR1=£1.5000"}, {refused + "No Meter Readings To Calculate\n"});
    // The tax keeps its local name when the check refuses.
    row("too close, in dollars", {"Date1=12/30/2019", "Date2=12/31/2019"}, {"VATH=Tax:"},
        {refused + "Date 2 must be at least 3 days later than Date 1\n"}, false, "en_US");
    // The locale's decimal comma is read wherever a number is typed, and a sewerage charge of 1
    // is one, not a currency symbol.
    row("decimal comma", {"Date2=01.12.2019", "NRead1=1000,5", "NRead2=1235,0", "NormalR1=1,5", "NormalR2=1",
        "Disc1=", "Disc2="}, {"NRead1=1000.5", "R1Units=234.5", "NormalR1=1.5000", "NormalR2=1.0000",
        "NR2Cost=222,80\u00A0€"}, {}, false, "de_DE");
    // Where the locale has no symbol for its currency, amounts carry its code and are read back.
    row("francs, written as their code", {"Date2=01.12.2019"}, {"NR1Cost=351.75\u00A0CHF", "TCost=842.35\u00A0CHF",
        "D1Cost=42.12\u00A0CHF in orange", "TVCost=790.23\u00A0CHF", "TVCostP=1\u2019581.94\u00A0CHF"}, {}, false, "it_CH");
    // Chakma digits take two 16-bit units each: the figures are written whole, the symbol is not
    // taken for half a digit, and the short date, too long for the records, is written out.
    row("digits beyond 16 bits", {"AutoSave=1"}, {"Date1=01-Jun-2019", "NormalR1=1.5000", "NR1Cost=𑄹𑄻𑄷.𑄽𑄻৳",
        "TVCostP=𑄷,𑄻𑄾𑄷.𑄿𑄺৳", "Status=Calculation Saved"}, {}, false, "ccp_BD");
    // A refused form is left as it was typed, blanks and all.
    row("refused, as typed", {"NormalR1= 1.5 ", "NRead2= 1234.5 ", "BPoint=101"}, {"NormalR1= 1.5 ", "NRead2= 1234.5 "},
        {refused + "Sewage Volume Allowance must be 0 or between 10 and 100\n"});
    row("unchanged data typed again", QStringList{"Calc"} + example, {"TVCost=£790.23", "NormalR1=£1.5000"},
        {"Aquabill Error: The data has not changed\r\nsince the last calculation"});
    row("typed again after Clear", QStringList{"Calc", "Clear"} + example, {"TVCost=£790.23"});
    row("notes changed", {"Calc", "Notes=new meter"}, {"TVCost=£790.23"});
    row("refused in between", QStringList{"Calc", "NRead2=abc", "Calc"} + example, {"TVCost=£790.23"},
        {"Aquabill Data Error: Meter Reading 2 must be between 3 and 999999\n"});
    row("credit", credit, {"TCost=£3.00", "D2Cost=£99.00 in orange", "TVCost=£96.15 in orange", "CDay=£0.53 in orange",
                           "TCostP=£6.75", "D2CostP=£99.00 in orange", "TVCostP=£92.59 in orange"});
    // Nothing owed is no credit.
    row("owed again after a credit", credit + QStringList{"Calc", "Disc2="}, {"TVCost=£2.85", "TVCostP=£6.41"});
    row("saved at once", {"AutoSave=1"}, {"Status=Calculation Saved", "Save=disabled"});
    row("unchecked zero water charge", {"NormalR1=0"}, {"NormalR1=£0.0000", "NR1Cost=£0.00"}, {}, true);
    row("unchecked, two days apart", {"Date2=03/06/2019"}, {"TDays=2", "Save=enabled"}, {}, true);
    const auto fatal = [](int step) {
        return QStringList{u"Aquabill Fatal Error: Error Number %1\r\nA Fatal Calculation Error Has Occurred\r\n"
                           "The Program Will Now Terminate"_s.arg(step)};
    };
    row("unchecked, no readings", {"Date1=", "Date2=", "NRead1=", "NRead2="}, {}, fatal(111), true);
    // Each failure is numbered by the step it happened in.
    row("unchecked, unreadable prediction", {"PRate=2x"}, {}, fatal(115), true);
    row("unchecked, unreadable discount", {"Disc1=5abc"}, {}, fatal(103), true);
    // The interval's bill is worked out; its prediction, scaled up many thousandfold, is not.
    row("unchecked, a prediction too large", {"Date2=03/06/2019", "NRead2=1e305", "PRate=5000"}, {}, fatal(104), true);
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
