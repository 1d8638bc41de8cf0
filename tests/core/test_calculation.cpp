#include "calc/calculation.h"
#include "core/runtime_failure.h"
#include "support/tariff_fields.h"

#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

// The arithmetic of Calculate on the texts the window hands it, after the
// checks have rendered the tariff and settled the readings.
class TestCalculation : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
    void aFailureLeavesWhatWasWorkedOut();
    void chargePeriods_data();
    void chargePeriods();
    void aYearOfMonthlyReadingsIsTwelvePeriods_data();
    void aYearOfMonthlyReadingsIsTwelvePeriods();
    void everyInputIsPartOfTheSignature();
};

namespace {

// Six-monthly, no tax, Discount 1 of 5% and Discount 2 of 10 per period,
// predicting two periods.
calc::Tariff exampleTariff()
{
    calc::Tariff t;
    t.waterVolumeCharge = u"1.5000"_s;
    t.sewageVolumeCharge = u"2.0000"_s;
    t.sewageAllowance = u"95.0"_s;
    t.waterFixedCharge = u"20.00"_s;
    t.sewageFixedCharge = u"25.00"_s;
    t.discount1 = u"5.00"_s;
    t.discount1Percent = 1;
    t.discount2 = u"10.00"_s;
    t.predictionPeriods = u"2"_s;
    return t;
}

const calc::Readings exampleReadings = {u"01/06/2019"_s, u"1000.0"_s, u"01/12/2019"_s, u"1234.5"_s, QString()};

// Every result by a name, for rows that list only the figures they are about.
QString resultNamed(const calc::Results &r, const QString &name)
{
    const QHash<QString, std::function<QString()>> fields = {
        {u"days"_s, [&] { return r.days; }},
        {u"unitsPerDay"_s, [&] { return r.unitsPerDay; }},
        {u"costPerDay"_s, [&] { return r.costPerDay + (r.costPerDayNegative ? u" credit"_s : QString()); }},
        {u"periods"_s, [&] { return QString::number(r.chargePeriods); }},
        {u"predictedDays"_s, [&] { return r.predictedDays; }},
    };
    if (fields.contains(name))
        return fields[name]();
    const bool predicted = name.endsWith(u'P');
    const calc::Bill &b = predicted ? r.predicted : r.actual;
    const QString field = predicted ? name.chopped(1) : name;
    const QHash<QString, QString> bill = {
        {u"waterUnits"_s, b.waterUnits}, {u"waterCost"_s, b.waterCost},
        {u"sewageUnits"_s, b.sewageUnits}, {u"sewageCost"_s, b.sewageCost},
        {u"waterFixed"_s, b.waterFixed}, {u"sewageFixed"_s, b.sewageFixed},
        {u"fixedTotal"_s, b.fixedTotal},
        {u"subTotal"_s, b.subTotal + (b.negative.subTotal ? u" credit"_s : QString())},
        {u"discount1"_s, b.discount1 + (b.negative.discount1 ? u" negative"_s : QString())},
        {u"tax"_s, b.tax},
        {u"discount2"_s, b.discount2 + (b.negative.discount2 ? u" negative"_s : QString())},
        {u"total"_s, b.total + (b.negative.total ? u" credit"_s : QString())},
        {u"costBeforeTax"_s, b.costBeforeTax}, {u"costBeforeDiscount2"_s, b.costBeforeDiscount2},
    };
    if (!bill.contains(field))
        qFatal("no result named %s", qPrintable(name));
    return bill[field];
}

}  // namespace

void TestCalculation::calculate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("changes");  // to the example
    QTest::addColumn<QStringList>("expected");  // "name=text" of the results named
    auto row = [](const char *name, const QString &changes, const QStringList &expected, QString locale = u"en_GB"_s) {
        QTest::newRow(name) << locale << changes << expected;
    };
    // Only the water charge: a sub total of exactly 100.00.
    const QString hundred = u"waterFixedCharge=;sewageFixedCharge=;sewageVolumeCharge=;sewageAllowance=;discount1=;"
                            "discount1Percent=0;discount2=;predictionPeriods=;waterVolumeCharge=1.0000;reading2=1100.0;"_s;

    row("worked example", {}, {
        "days=183", "periods=1", "waterUnits=234.5", "unitsPerDay=1281.4", "waterCost=£351.75", "sewageUnits=222.8",
        "sewageCost=£445.60", "waterFixed=£20.00", "sewageFixed=£25.00", "fixedTotal=£45.00", "subTotal=£842.35",
        "discount1=42.1175", "costBeforeTax=£800.23", "tax=0", "costBeforeDiscount2=£800.23", "discount2=10",
        "total=790.23", "costPerDay=4.31819672131148",
        "predictedDays=366", "waterUnitsP=469.5", "waterCostP=£704.25", "sewageUnitsP=446.0", "sewageCostP=£892.00",
        "waterFixedP=£40.00", "sewageFixedP=£50.00", "fixedTotalP=£90.00", "subTotalP=£1,686.25",
        "discount1P=84.3125", "costBeforeTaxP=£1,601.94", "costBeforeDiscount2P=£1,601.94", "discount2P=20",
        "totalP=1581.94"});
    row("the difference without binary noise", u"reading1=1000.2;reading2=1234.3"_s, {"waterUnits=234.1"});
    row("no fixed charges", u"waterFixedCharge=;sewageFixedCharge="_s,
        {"waterFixed=0", "sewageFixed=", "fixedTotal=", "subTotal=£797.35", "fixedTotalP=", "sewageFixedP="});
    row("water fixed charge over two periods", u"waterFixedCharge=12.00;sewageFixedCharge=;date2=10/12/2019"_s,
        {"periods=2", "waterFixed=£24.00", "fixedTotal=£24.00", "sewageFixed=", "waterFixedP=£24.00"});
    row("a percentage, then tax", hundred + u"discount1=10.00;discount1Percent=1;taxRate=5.0"_s,
        {"subTotal=£100.00", "discount1=10", "costBeforeTax=£90.00", "tax=4.5", "costBeforeDiscount2=£94.50",
         "total=94.5"});
    row("an amount per period", hundred + u"discount1=3.00;discount2=2.00;predictionPeriods=2"_s,
        {"discount1=3", "discount2=2", "total=95", "discount1P=6", "discount2P=4"});
    row("a fixed Discount 2 whatever the periods", u"discount2=5.00;discount2Fixed=1;predictionPeriods=4"_s,
        {"discount2=5", "discount2P=5", "predictedDays=731"});
    // A discount larger than the bill is a credit, shown as its magnitude.
    row("credit", hundred + u"discount2=99.00;discount2Fixed=1;discount1=-1.00;reading2=1002.0"_s,
        {"subTotal=£2.00", "discount1=1 negative", "total=96 credit", "costPerDay=0.524590163934426 credit"});
    row("paid off exactly: no credit", hundred + u"discount2=100.00;discount2Fixed=1"_s, {"total=0", "costPerDay=0"});
    row("a negative sub total", hundred + u"waterFixedCharge=-110.00"_s,
        {"fixedTotal=-£110.00", "subTotal=10 credit", "total=10 credit"});
    row("six months ahead", u"predictionPeriods=1"_s, {"predictedDays=183", "waterFixedP=£20.00"});
    row("monthly, three months ahead", u"monthly=1;predictionPeriods=3"_s,
        {"periods=6", "predictedDays=92", "waterFixedP=£60.00"});
    row("a month from the 31st ends with February", u"monthly=1;predictionPeriods=1;date1=31/01/2019;date2=20/02/2019"_s,
        {"predictedDays=28", "waterUnitsP=328.8"});
    row("no prediction", u"predictionPeriods="_s, {"predictedDays=untouched", "totalP=untouched"});
    row("gallons change no figure", u"gallons=1"_s, {"unitsPerDay=1281.4", "total=790.23"});
    row("the euro after the amount", u"date1=01.06.19;date2=01.12.19;waterFixedCharge=12.00"_s,
        {u"waterCost=351,75\u00A0€"_s, u"subTotal=834,35\u00A0€"_s, u"costBeforeTax=792,63\u00A0€"_s,
         u"total=782.63"_s}, u"de_DE"_s);
}

void TestCalculation::calculate()
{
    QFETCH(QString, locale);
    QFETCH(QString, changes);
    QFETCH(QStringList, expected);
    calc::Tariff tariff = exampleTariff();
    calc::Readings readings = exampleReadings;
    QCOMPARE(tariffFields::change(tariff, &readings, changes), QStringList());
    calc::Results results;
    results.predictedDays = results.predicted.total = u"untouched"_s;
    calc::calculate(tariff, readings, {QLocale(locale), 2026}, results);
    QStringList shown;
    for (const QString &name : expected) {
        const QString field = name.section(u'=', 0, 0);
        shown << field + u'=' + resultNamed(results, field);
    }
    QCOMPARE(shown, expected);
}

// The error dump reports what the boxes show, so a failure keeps the figures
// already worked out and leaves the others as they were.
void TestCalculation::aFailureLeavesWhatWasWorkedOut()
{
    calc::Tariff tariff = exampleTariff();
    tariff.discount1 = u"5abc"_s;
    calc::Results results;
    results.actual.total = u"earlier"_s;
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure,
                             calc::calculate(tariff, exampleReadings, {QLocale(u"en_GB"_s), 2026}, results));
    QCOMPARE(results.days, u"183"_s);
    QCOMPARE(results.actual.subTotal, u"£842.35"_s);
    QCOMPARE(results.actual.total, u"0"_s);
    QCOMPARE(results.predicted.total, QString());
}

void TestCalculation::chargePeriods_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("monthly");
    QTest::addColumn<float>("periods");
    const int sixMonthly[][2] = {{3, 1}, {11, 1}, {12, 1}, {191, 1}, {192, 2}, {373, 2}, {374, 3}, {557, 4}};
    for (const auto &[days, periods] : sixMonthly)
        QTest::addRow("%d days, six-monthly", days) << days << false << float(periods);
    // Elapsed months, a reading up to three days late still closing one.
    const int monthly[][2] = {{3, 1}, {33, 1}, {34, 2}, {92, 3}, {367, 12}, {368, 13}};
    for (const auto &[days, periods] : monthly)
        QTest::addRow("%d days, monthly", days) << days << true << float(periods);
}

void TestCalculation::chargePeriods()
{
    QFETCH(int, days);
    QFETCH(bool, monthly);
    QFETCH(float, periods);
    const QDate from(2019, 12, 15);
    QCOMPARE(calc::chargePeriods(from, from.addDays(days), monthly, double(days)), periods);
}

void TestCalculation::aYearOfMonthlyReadingsIsTwelvePeriods_data()
{
    QTest::addColumn<int>("day");  // of each month the meter is read on
    QTest::addColumn<int>("lateBy");  // days, for every other reading
    QTest::newRow("the 5th") << 5 << 0;
    QTest::newRow("the 1st, every other one two days late") << 1 << 2;
    QTest::newRow("the last day") << 31 << 0;
}

// Each reading closes one month and opens the next, as Get Last chains them.
void TestCalculation::aYearOfMonthlyReadingsIsTwelvePeriods()
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

// A changed input is a new calculation, never "the data has not changed".
void TestCalculation::everyInputIsPartOfTheSignature()
{
    const QString example = calc::inputSignature(exampleTariff(), exampleReadings, u"£"_s);
    const QStringList changes = {u"waterVolumeCharge=1.6000"_s, u"waterFixedCharge=21.00"_s, u"sewageVolumeCharge=2.1000"_s,
                                 u"sewageFixedCharge=26.00"_s, u"sewageAllowance=90.0"_s, u"taxRate=5.0"_s,
                                 u"discount1=6.00"_s, u"discount2=11.00"_s, u"predictionPeriods=3"_s, u"gallons=1"_s,
                                 u"monthly=1"_s, u"discount1Percent=0"_s, u"discount2Fixed=1"_s, u"noHistory=1"_s,
                                 u"date1=02/06/2019"_s, u"date2=02/12/2019"_s, u"reading1=1000.1"_s, u"reading2=1234.6"_s,
                                 u"notes=new meter"_s};
    for (const QString &change : changes) {
        calc::Tariff t = exampleTariff();
        calc::Readings r = exampleReadings;
        QVERIFY(tariffFields::change(t, &r, change).isEmpty());
        QVERIFY2(calc::inputSignature(t, r, u"£"_s) != example, qPrintable(change));
    }
    QVERIFY(calc::inputSignature(exampleTariff(), exampleReadings, u"€"_s) != example);
}

QTEST_APPLESS_MAIN(TestCalculation)
#include "test_calculation.moc"
