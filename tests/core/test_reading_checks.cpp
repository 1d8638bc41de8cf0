#include "calc/reading_checks.h"
#include "core/runtime_failure.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The problems Calculate reports before it works anything out, each on its
// own line, in the order they are reported.
class TestReadingChecks : public QObject {
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void consistency_data();
    void consistency();
    void settledForTheLogs_data();
    void settledForTheLogs();
};

namespace {

const calc::Context britain{QLocale(u"en_GB"_s), 2026};

calc::Readings readingsOf(const QStringList &four)
{
    return {four.value(0), four.value(1), four.value(2), four.value(3), QString()};
}

}  // namespace

void TestReadingChecks::readings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("typed");  // date 1, reading 1, date 2, reading 2
    QTest::addColumn<QString>("problems");
    QTest::addColumn<QStringList>("checked");  // the readings as the check leaves them
    const QStringList valid = {"01/06/2019", "1", "01/12/2019", "3"};
    QTest::newRow("lowest") << "en_GB" << valid << "" << valid;
    QTest::newRow("highest") << "en_GB" << QStringList{"31/12/2026", "999900", "2026-12-31", "999999"} << ""
                             << QStringList{"31/12/2026", "999900", "2026-12-31", "999999"};
    QTest::newRow("nothing typed") << "en_GB" << QStringList{"", "", "", ""} << "No Meter Readings To Calculate\n"
                                   << QStringList{"", "", "", ""};
    QTest::newRow("one date is something") << "en_GB" << QStringList{"", "", "x", ""}
        << "Date 1 must be a valid date\nDate 2 must be a valid date\nMeter Reading 1 must be between 1 and 999900\n"
           "Meter Reading 2 must be between 3 and 999999\n" << QStringList{"", "", "x", ""};
    QTest::newRow("just outside") << "en_GB" << QStringList{"32/01/2019", "0.9", "01/12/2019", "999999.1"}
        << "Date 1 must be a valid date\nMeter Reading 1 must be between 1 and 999900\n"
           "Meter Reading 2 must be between 3 and 999999\n"
        << QStringList{"32/01/2019", "0.9", "01/12/2019", "999999.1"};
    QTest::newRow("reading 1 above its range") << "en_GB" << QStringList{"01/06/2019", "999900.1", "01/12/2019", "2.9"}
        << "Meter Reading 1 must be between 1 and 999900\nMeter Reading 2 must be between 3 and 999999\n"
        << QStringList{"01/06/2019", "999900.1", "01/12/2019", "2.9"};
    // Read as 12 and 1 by a range test but not by the arithmetic.
    QTest::newRow("trailing letters, grouping") << "en_GB" << QStringList{"01/06/2019", "12abc", "01/12/2019", "1,000"}
        << "Meter Reading 1 must be between 1 and 999900\nMeter Reading 2 must be between 3 and 999999\n"
        << QStringList{"01/06/2019", "12abc", "01/12/2019", "1,000"};
    QTest::newRow("decimal comma") << "de_DE" << QStringList{"01.06.2019", "1000,5", "01.12.2019", "1235,0"} << ""
                                   << QStringList{"01.06.2019", "1000.5", "01.12.2019", "1235.0"};
}

void TestReadingChecks::readings()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, typed);
    QFETCH(QString, problems);
    QFETCH(QStringList, checked);
    calc::Readings readings = readingsOf(typed);
    QCOMPARE(calc::readingProblems(readings, {QLocale(locale), 2026}), problems);
    QCOMPARE((QStringList{readings.date1, readings.reading1, readings.date2, readings.reading2}), checked);
}

void TestReadingChecks::consistency_data()
{
    QTest::addColumn<QStringList>("readings");  // date 1, reading 1, date 2, reading 2
    QTest::addColumn<QStringList>("tariff");  // sewage charge, allowance, prediction periods, monthly
    QTest::addColumn<QString>("problems");
    const QStringList sewage = {"£2.0000", "95.0", "2", "0"};
    QTest::newRow("example") << QStringList{"01/06/2019", "1000", "01/12/2019", "1234.5"} << sewage << "";
    QTest::newRow("three days, a rise of two") << QStringList{"28/12/2026", "1", "31/12/2026", "3"} << sewage << "";
    QTest::newRow("too close, too little") << QStringList{"31/12/1999", "100", "02/01/2000", "101.9"} << sewage
        << "Date 1 must be between 1st Jan 2000 and 31st Dec 2026\nDate 2 must be at least 3 days later than Date 1\n"
           "Meter Reading 2 must be at least 2 greater than Meter Reading 1\n";
    QTest::newRow("two days from the first day") << QStringList{"01/01/2000", "1", "03/01/2000", "3"} << sewage
        << "Date 2 must be at least 3 days later than Date 1\n";
    QTest::newRow("the next year") << QStringList{"01/06/2026", "1", "01/01/2027", "3"}
        << QStringList{"£2.0000", "95.0", "1", "0"}
        << "Date 2 must be between 1st Jan 2000 and 31st Dec 2026\n"
           "Date 1 plus number months to predict forward must be greater than Date 2\n";
    QTest::newRow("charge without allowance") << QStringList{"01/06/2019", "1", "01/12/2019", "3"}
        << QStringList{"£2.0000", "", "2", "0"}
        << "The Sewage Volume Allowance must be set if the Sewage Volume Charge is set\n";
    // A leading 1 is a charge of one, not a symbol.
    QTest::newRow("allowance without charge") << QStringList{"01/06/2019", "1", "01/12/2019", "3"}
        << QStringList{"£", "95.0", "2", "0"}
        << "The Sewage Volume Charge must be set if the Sewage Volume Allowance is set\n";
    QTest::newRow("a bare charge of one") << QStringList{"01/06/2019", "1", "01/12/2019", "3"}
        << QStringList{"1", "95.0", "2", "0"} << "";
    QTest::newRow("six months reach") << QStringList{"01/06/2019", "1", "01/12/2019", "3"}
        << QStringList{"", "", "1", "0"} << "";
    QTest::newRow("five months fall short") << QStringList{"01/06/2019", "1", "01/12/2019", "3"}
        << QStringList{"", "", "5", "1"}
        << "Date 1 plus number months to predict forward must be greater than Date 2\n";
    QTest::newRow("monthly, a half rounds to the even month") << QStringList{"01/06/2019", "1", "01/08/2019", "3"}
        << QStringList{"", "", "2.5", "1"} << "";
    QTest::newRow("no prediction") << QStringList{"01/06/2019", "1", "01/12/2025", "3"}
        << QStringList{"", "", "", "0"} << "";
}

void TestReadingChecks::consistency()
{
    QFETCH(QStringList, readings);
    QFETCH(QStringList, tariff);
    QFETCH(QString, problems);
    const calc::Readings typed = readingsOf(readings);
    calc::Tariff t;
    t.sewageVolumeCharge = tariff[0];
    t.sewageAllowance = tariff[1];
    t.predictionPeriods = tariff[2];
    t.monthly = tariff[3].toInt();
    const auto [date1, date2] = calc::readingDates(typed, britain);
    QCOMPARE(calc::dateProblems(date1, date2, britain.currentYear) + calc::readingRiseProblem(typed)
                 + calc::sewagePairProblems(t, u"£"_s) + calc::predictionReachProblem(t, date1, date2, britain.locale),
             problems);
}

void TestReadingChecks::settledForTheLogs_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("settled");
    QTest::newRow("one decimal") << QStringList{"01/06/2019", "1000", "01/12/2019", "1234.56"}
                                 << QStringList{"01/06/2019", "1000.0", "01/12/2019", "1234.6"};
    QTest::newRow("eleven characters stay") << QStringList{"2019-06-01", "1", "1-July-2019", "3"}
                                            << QStringList{"2019-06-01", "1.0", "1-July-2019", "3.0"};
    QTest::newRow("a longer date shortened") << QStringList{" 01/06/2019 ", "1", "01/12/2019", "3"}
                                             << QStringList{"01-Jun-2019", "1.0", "01/12/2019", "3.0"};
}

void TestReadingChecks::settledForTheLogs()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, settled);
    calc::Readings readings = readingsOf(typed);
    calc::settleReadings(readings, britain);
    QCOMPARE((QStringList{readings.date1, readings.reading1, readings.date2, readings.reading2}), settled);
    // A failure leaves the readings before it settled, as the error dump shows them.
    readings.reading1 = u"5"_s;
    readings.reading2 = u"1x"_s;
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure, calc::settleReadings(readings, britain));
    QCOMPARE(readings.reading1, u"5.0"_s);
}

QTEST_APPLESS_MAIN(TestReadingChecks)
#include "test_reading_checks.moc"
