#include "calc/dates.h"

#include <QtTest>

// Stands in for "no date"; none of the texts below means 1 January of year 1.
static const QDate refused(1, 1, 1);

class TestDates : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("blanks, single digits, leap day of 00") << " 29/2/00 " << "en_GB" << QDate(2000, 2, 29);
        QTest::newRow("29 is the last 20yy") << "31/12/29" << "en_GB" << QDate(2029, 12, 31);
        QTest::newRow("30 is the first 19yy") << "1/1/30" << "en_GB" << QDate(1930, 1, 1);
        QTest::newRow("no 31 February") << "31/02/2019" << "en_GB" << refused;
        QTest::newRow("month first") << "12/5/2026" << "en_US" << QDate(2026, 12, 5);
        QTest::newRow("month name in any case") << "5-dEC-19" << "en_US" << QDate(2019, 12, 5);
        QTest::newRow("English month name in German") << "05-May-2019" << "de_DE" << QDate(2019, 5, 5);
        QTest::newRow("trailing text") << "01/06/2019 x" << "en_GB" << refused;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QTEST(dates::parse(text, QLocale(locale)).value_or(refused), "expected");
    }

    // Years outside the two-digit window, so a short form that lost its century fails.
    void writtenDatesReadBack()
    {
        for (const QLocale &locale : {QLocale("en_GB"), QLocale("en_US"), QLocale("de_DE"), QLocale("fr_FR"), QLocale("ru_RU"), QLocale::c()}) {
            for (int month = 1; month <= 12; ++month) {
                const QDate date(month % 2 ? 1925 : 2035, month, 28);
                QCOMPARE(dates::parse(dates::shortDate(date, locale), locale), date);
                QCOMPARE(dates::parse(dates::ddMmmYyyy(date, locale), locale), date);
            }
        }
        // The locale's "Dez." loses its stop, so the named form keeps to eleven characters.
        QCOMPARE(dates::ddMmmYyyy(QDate(2026, 12, 5), QLocale("de_DE")), "05-Dez-2026");
    }

    void aMonthLaterEndsOnTheLastDayThereIs()
    {
        QCOMPARE(dates::addMonths(QDate(2019, 1, 31), 1), QDate(2019, 2, 28));
        QCOMPARE(dates::addMonths(QDate(2020, 1, 31), 1), QDate(2020, 2, 29));
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "test_dates.moc"
