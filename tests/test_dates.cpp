#include "calc/dates.h"

#include <QtTest>

static const QDate refused(1, 1, 1);  // stands in for "no date"; no text below means 1 January of year 1

class TestDates : public QObject {
    Q_OBJECT

private slots:
    // Two-digit years 00-29 are this century and 30-99 the last.
    void parse()
    {
        const std::tuple<const char *, const char *, QDate> cases[] = {
            {" 29/2/00 ", "en_GB", QDate(2000, 2, 29)}, {"31/12/29", "en_GB", QDate(2029, 12, 31)},
            {"1/1/30", "en_GB", QDate(1930, 1, 1)}, {"31/02/2019", "en_GB", refused},
            {"12/5/2026", "en_US", QDate(2026, 12, 5)}, {"5-dEC-19", "en_US", QDate(2019, 12, 5)},
            {"05-May-2019", "de_DE", QDate(2019, 5, 5)}, {"01/06/2019 x", "en_GB", refused}};
        for (const auto &[text, locale, expected] : cases)
            QVERIFY2(dates::parse(text, QLocale(locale)).value_or(refused) == expected, text);
    }

    // Years outside the two-digit window, so a short form that lost its century fails.
    void writtenDatesReadBack()
    {
        for (const char *name : {"en_GB", "en_US", "de_DE", "fr_FR", "ru_RU", "ja_JP", "ko_KR", "ar_EG", "fa_IR", "C"}) {
            const QLocale locale(name);
            for (int month = 1; month <= 12; ++month) {
                const QDate date(month % 2 ? 1925 : 2035, month, 28);
                QCOMPARE(dates::parse(dates::shortDate(date, locale), locale), date);
                QCOMPARE(dates::parse(dates::ddMmmYyyy(date, locale), locale), date);
            }
        }
        // The locale's "Dez." loses its stop.
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
