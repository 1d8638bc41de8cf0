#include "records/results_report.h"
#include "support/worked_report.h"

#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Bill {
    calc::Tariff tariff;
    calc::Readings readings;
    calc::Results results;
    records::report::Labels labels{u"VAT"_s, u"Litres/Day:"_s};
};

using Edits = ReportEdits;

calc::Bill priced(const QStringList &amounts, const QString &beforeTax, const QString &beforeDiscount2)
{
    calc::Bill bill;
    std::tie(bill.waterUnits, bill.waterCost, bill.sewageUnits, bill.sewageCost, bill.waterFixed, bill.sewageFixed,
             bill.subTotal, bill.discount1, bill.tax, bill.discount2, bill.total) =
        std::tuple(amounts[0], amounts[1], amounts[2], amounts[3], amounts[4], amounts[5], amounts[6], amounts[7],
                   amounts[8], amounts[9], amounts[10]);
    bill.costBeforeTax = beforeTax;
    bill.costBeforeDiscount2 = beforeDiscount2;
    return bill;
}

// Six months of spring and summer, with every charge, both discounts and tax.
Bill workedExample()
{
    Bill b;
    b.tariff = {u"£1.5432"_s, u"£38.50"_s, u"£2.1034"_s, u"£42.75"_s, u"95.0"_s, u"17.5"_s, u"5.00"_s, u"£10.00"_s, u"2"_s};
    b.tariff.discount1Percent = 1;
    b.tariff.discount2Fixed = 1;
    b.readings = {u"01/03/2017"_s, u"1000.0"_s, u"01/09/2017"_s, u"1056.5"_s, u"Bill for spring and summer"_s};
    b.results.days = u"184"_s;
    b.results.unitsPerDay = u"307.1"_s;
    b.results.costPerDay = u"£1.65"_s;
    b.results.chargePeriods = 1;
    b.results.actual = priced(u"56.5 £87.19 53.7 £112.95 £38.50 £42.75 £281.39 £14.07 £46.78 £10.00 £304.10"_s.split(u' '),
                              u"£267.32"_s, u"£314.10"_s);
    b.results.predictedDays = u"365"_s;
    b.results.predicted = priced(u"112.6 £173.76 107.0 £225.06 £77.00 £85.50 £561.32 £28.07 £93.32 £10.00 £616.57"_s.split(u' '),
                                 u"£533.25"_s, u"£626.57"_s);
    return b;
}

Bill changed(const std::function<void(Bill &)> &change)
{
    Bill b = workedExample();
    change(b);
    return b;
}

}  // namespace

Q_DECLARE_METATYPE(Bill)

// The report of the worked example, edited where a case changes the bill.
class TestReportText : public QObject {
    Q_OBJECT

private slots:
    void report_data()
    {
        QTest::addColumn<Bill>("bill");
        QTest::addColumn<Edits>("edits");
        const QString prediction = u"^\r\nCost Prediction(.*\r\n)*?Total Cost.*\r\n"_s;
        QTest::newRow("every line") << workedExample() << Edits{};
        QTest::newRow("no prediction: the rule follows the actual part")
            << changed([](Bill &b) { b.tariff.predictionPeriods = u"0"_s; }) << Edits{{prediction, {}}};
        QTest::newRow("gallons") << changed([](Bill &b) { b.tariff.gallons = 1; })
                                 << Edits{{u"Cubic Metre"_s, u"1000 Gallons"_s}};
        QTest::newRow("monthly") << changed([](Bill &b) { b.tariff.monthly = 1; b.results.chargePeriods = 6.5; })
            << Edits{{u":     1     \\(Number Complete & Part 6 Months\\)"_s, u":   6.5     (Number Complete & Part Months)"_s},
                     {u" 1 \\* 6 Months at (.*) per 6 Months"_s, u"6.5 Month(s)   at \\1 per Month"_s},
                     {u"2 \\* 6 Months at (.*) per 6 Months"_s, u"2 Month(s)   at \\1 per Month"_s},
                     {u"2 \\* 6 Months \\("_s, u"2 Month(s)   ("_s}};
        // A tax, a discount or a fixed charge left empty has no lines, but the
        // prediction keeps the label of its water fixed charge.
        QTest::newRow("no optional charges") << changed([](Bill &b) {
            b.tariff.waterFixedCharge = b.tariff.sewageFixedCharge = b.tariff.taxRate = {};
            b.tariff.discount1 = b.tariff.discount2 = {};
        }) << Edits{{u"^Water Fixed Charge.* 1 \\* .*\r\n"_s, {}}, {u"^(Water Fixed Charge          :).* 2 \\* .*\r\n"_s, u"\\1\r\n"_s},
                    {u"^(Sewerage Fixed|Cost before|Discount|VAT).*\r\n"_s, {}}};
        QTest::newRow("no sewage units: no sewerage lines, predicted neither")
            << changed([](Bill &b) { b.results.actual.sewageUnits = u"0.0"_s; })
            << Edits{{u"^Sewerage Units.*\r\n"_s, {}}};
        QTest::newRow("no allowance") << changed([](Bill &b) { b.tariff.sewageAllowance = {}; })
                                      << Edits{{u"\\( 95.0%\\)"_s, u"        "_s}};
        QTest::newRow("discounts as amounts")
            << changed([](Bill &b) { b.tariff.discount1Percent = b.tariff.discount2Fixed = 0; })
            << Edits{{u"  at  5.00%"_s, {}}, {u"  Fixed Discount"_s, {}}};
        QTest::newRow("notes of two lines") << changed([](Bill &b) { b.readings.notes = u"spring\nsummer"_s; })
                                            << Edits{{u"Bill for spring and summer"_s, u"spring\r\nsummer"_s}};
        QTest::newRow("captions") << changed([](Bill &b) { b.labels = {u"Tax"_s, u"Gal/Day:"_s}; })
                                  << Edits{{u"VAT"_s, u"Tax"_s}, {u"Litres/Day:"_s, u"Gal/Day:"_s}};
        // The boxes show magnitudes; the report writes the signs.
        QTest::newRow("credits signed") << changed([](Bill &b) {
            for (calc::Bill *bill : {&b.results.actual, &b.results.predicted})
                bill->negative = {true, true, true, true};
            b.results.costPerDayNegative = true;
        }) << Edits{{u"Cost before Discount 1      :  £"_s, u"Cost before Discount 1      : -£"_s},
                    {u"Discount (.)                  :  -£"_s, u"Discount \\1                  :   £"_s},
                    {u"Total Cost                  :  £"_s, u"Total Cost                  : -£"_s},
                    {u"Cost per Day                :    £"_s, u"Cost per Day                :   -£"_s}};
        // A figure wider than its column widens its line rather than lose digits.
        QTest::newRow("large bill kept whole") << changed([](Bill &b) {
            b.results.actual.waterCost = u"£100,009.89"_s;
            b.results.actual.waterUnits = u"10011.0"_s;
            b.results.actual.total = u"£99,999.99"_s;
            b.results.actual.negative.total = true;
            b.results.days = u"1840"_s;
        }) << Edits{{u"  £87.19    56.5 units"_s, u"£100,009.89 10011.0 units"_s},
                    {u"Total Cost                  :  £304.10"_s, u"Total Cost                  :-£99,999.99"_s},
                    {u"\\(184 Days"_s, u"(1840 Days"_s}};
    }

    void report()
    {
        QFETCH(Bill, bill);
        QFETCH(Edits, edits);
        const QString expected = editedReport(edits);
        namespace report = records::report;
        const QString text = report::text(
            report::actualCost(bill.tariff, bill.readings, bill.results, bill.labels, u"05/12/2026 10:15:42"_s)
            + report::prediction(bill.tariff, bill.readings, bill.results, bill.labels));
        QCOMPARE(text.split(u"\r\n"_s), expected.split(u"\r\n"_s));  // a differing line is named
    }
};

QTEST_APPLESS_MAIN(TestReportText)
#include "test_report_text.moc"
