#include "calc/dates.h"
#include "platform/single_byte_text.h"

#include <QtTest>

static const QDate refused(1, 1, 1);  // stands in for "no date"; no text below means 1 January of year 1

class TestDates : public QObject {
    Q_OBJECT

private slots:
    // A two-digit year is this century up to the present year, and the last one after it.
    void parse()
    {
        const std::tuple<const char *, const char *, int, QDate> cases[] = {
            {" 29/2/00 ", "en_GB", 2026, QDate(2000, 2, 29)}, {"31/12/26", "en_GB", 2026, QDate(2026, 12, 31)},
            {"1/1/27", "en_GB", 2026, QDate(1927, 1, 1)}, {"1/1/27", "en_GB", 2027, QDate(2027, 1, 1)},
            {"15-Jun-45", "en_GB", 2045, QDate(2045, 6, 15)}, {"31/02/2019", "en_GB", 2026, refused},
            {"12/5/2026", "en_US", 2026, QDate(2026, 12, 5)}, {"5-dEC-19", "en_US", 2026, QDate(2019, 12, 5)},
            {"05-May-2019", "de_DE", 2026, QDate(2019, 5, 5)}, {"15-sze-2019", "hu_HU", 2026, QDate(2019, 9, 15)},
            {"15-Sep-2019", "en_GB", 2026, QDate(2019, 9, 15)}, {"24 December 2019", "C", 2026, QDate(2019, 12, 24)}, {"01/06/2019 x", "en_GB", 2026, refused},
            // Three letters two French months share name neither of them; their own abbreviations do.
            {"15-jui-2019", "fr_FR", 2026, refused}, {"31-janv.-2020", "fr_FR", 2026, QDate(2020, 1, 31)}};
        for (const auto &[text, locale, year, expected] : cases)
            QVERIFY2(dates::parse(text, QLocale(locale), year).value_or(refused) == expected, text);
    }

    // In every locale: years outside the two-digit window, so a short form that lost its
    // century fails; every written "dd-mmm-yyyy" date fits its eleven-character log column.
    // Both read back, and as the single-byte logs store them: a short form that fits the
    // column as it is, the written form always.
    void writtenDatesReadBack()
    {
        QStringList unread;
        const auto readBack = [](const QString &text, const QLocale &locale) {
            return dates::parse(platform::decodeSingleByte(platform::encodeSingleByte(text)), locale, 2026);
        };
        for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (int month = 1; month <= 12; ++month) {
                const QDate date(month % 2 ? 1925 : 2035, month, 28);
                const QString shortForm = dates::shortDate(date, locale), written = dates::ddMmmYyyy(date, locale);
                if (dates::parse(shortForm, locale, 2026) != date || (shortForm.size() <= 11 && readBack(shortForm, locale) != date))
                    unread << locale.name() + u' ' + shortForm;
                if (written.size() != 11 || readBack(written, locale) != date)
                    unread << locale.name() + u' ' + written;
            }
        }
        QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u"; ")));
        // Three letters of the locale's month, without a stop; where two months share
        // them (French "juin" and "juil."), or the logs cannot hold them, the English ones.
        const std::tuple<const char *, QDate, const char *> written[] = {
            {"bg_BG", QDate(2019, 12, 20), "20-Dec-2019"},
            {"de_DE", QDate(2026, 12, 5), "05-Dez-2026"}, {"de_DE", QDate(2026, 3, 5), "05-M\u00E4r-2026"},
            {"en_GB", QDate(2019, 9, 15), "15-Sep-2019"}, {"hu_HU", QDate(2019, 9, 15), "15-sze-2019"},
            {"fr_FR", QDate(2019, 7, 1), "01-Jul-2019"}, {"fr_FR", QDate(2019, 1, 1), "01-jan-2019"}};
        for (const auto &[locale, date, text] : written)
            QCOMPARE(dates::ddMmmYyyy(date, QLocale(locale)), QString::fromUtf8(text));
        QCOMPARE(dates::ddMmmYyTime(QDateTime(QDate(2019, 9, 2), QTime(9, 15, 2)), QLocale("en_GB")), "02-Sep-19 09:15:02");
    }

    void aMonthLaterEndsOnTheLastDayThereIs()
    {
        QCOMPARE(dates::addMonths(QDate(2019, 1, 31), 1), QDate(2019, 2, 28));
        QCOMPARE(dates::addMonths(QDate(2020, 1, 31), 1), QDate(2020, 2, 29));
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "test_dates.moc"
