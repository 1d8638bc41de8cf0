#include "calc/dates.h"

#include <QtTest>

using namespace Qt::StringLiterals;

static QLocale localeNamed(const QString &name)
{
    return name == u"C" ? QLocale::c() : QLocale(name);
}

class TestDates : public QObject {
    Q_OBJECT

private slots:
    // An invalid expected date stands for "no date".
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("gb, blanks") << " 01/06/2019 " << "en_GB" << QDate(2019, 6, 1);
        QTest::newRow("gb single digits") << "1/12/19" << "en_GB" << QDate(2019, 12, 1);
        QTest::newRow("pivot low") << "05/03/29" << "en_GB" << QDate(2029, 3, 5);
        QTest::newRow("pivot high") << "05/03/30" << "en_GB" << QDate(1930, 3, 5);
        QTest::newRow("leap day of 2000") << "29/02/00" << "en_GB" << QDate(2000, 2, 29);
        QTest::newRow("no 31 February") << "31/02/2019" << "en_GB" << QDate();
        QTest::newRow("us month first") << "12/1/2019" << "en_US" << QDate(2019, 12, 1);
        QTest::newRow("us two-digit year") << "6/1/19" << "en_US" << QDate(2019, 6, 1);
        QTest::newRow("us no 13th month") << "13/1/2019" << "en_US" << QDate();
        QTest::newRow("de two-digit year") << "01.06.19" << "de_DE" << QDate(2019, 6, 1);
        QTest::newRow("month name") << "05-Dec-2019" << "en_GB" << QDate(2019, 12, 5);
        QTest::newRow("month name, any case") << "5-dEC-19" << "en_US" << QDate(2019, 12, 5);
        QTest::newRow("english in german") << "05-May-2019" << "de_DE" << QDate(2019, 5, 5);
        QTest::newRow("german abbreviation") << "05-Dez-2019" << "de_DE" << QDate(2019, 12, 5);
        QTest::newRow("german with stop") << "05-dez.-2019" << "de_DE" << QDate(2019, 12, 5);
        QTest::newRow("german umlaut") << u"05-März-2019"_s << "de_DE" << QDate(2019, 3, 5);
        QTest::newRow("unknown month") << "05-Foo-2019" << "en_GB" << QDate();
        QTest::newRow("iso") << "2019-06-01" << "de_DE" << QDate(2019, 6, 1);
        QTest::newRow("iso invalid") << "2019-02-30" << "en_GB" << QDate();
        QTest::newRow("c locale") << "1 Jun 2019" << "C" << QDate(2019, 6, 1);
        QTest::newRow("trailing text") << "01/06/2019 x" << "en_GB" << QDate();
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(QDate, expected);
        QCOMPARE(dates::parse(text, localeNamed(locale)).value_or(QDate()), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *name : {"en_GB", "en_US", "en_IE", "de_DE", "fr_FR", "ru_RU", "C"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void roundTrip()
    {
        QFETCH(QString, locale);
        const QLocale l = localeNamed(locale);
        // Every month once, and years on both sides of the two-digit window.
        for (int month = 1; month <= 12; ++month) {
            for (int year : {1929, 1930, 1999, 2000, 2029, 2030}) {
                const QDate date(year, month, month == 2 ? 28 : 30 - month % 2);
                QCOMPARE(dates::parse(dates::shortDate(date, l), l), date);
                QCOMPARE(dates::parse(dates::ddMmmYyyy(date, l), l), date);
            }
        }
    }

    void written_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("namedTime");
        QTest::newRow("en_GB") << "en_GB" << "05/12/2026" << "05/12/2026 10:15:42"
                               << "05-Dec-2026" << "05-Dec-26 10:15:42";
        QTest::newRow("en_US") << "en_US" << "12/5/2026" << "12/5/2026 10:15:42"
                               << "05-Dec-2026" << "05-Dec-26 10:15:42";
        QTest::newRow("de_DE") << "de_DE" << "05.12.2026" << "05.12.2026 10:15:42"
                               << "05-Dez-2026" << "05-Dez-26 10:15:42";
    }
    void written()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        const QDateTime moment(QDate(2026, 12, 5), QTime(10, 15, 42));
        QTEST(dates::shortDate(moment.date(), l), "date");
        QTEST(dates::shortDateTime(moment, l), "dateTime");
        QTEST(dates::ddMmmYyyy(moment.date(), l), "named");
        QTEST(dates::ddMmmYyTime(moment, l), "namedTime");
    }

    void addMonths_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("into short February") << QDate(2019, 1, 31) << 1 << QDate(2019, 2, 28);
        QTest::newRow("into leap February") << QDate(2020, 1, 31) << 1 << QDate(2020, 2, 29);
        QTest::newRow("a year") << QDate(2019, 6, 1) << 12 << QDate(2020, 6, 1);
        QTest::newRow("backwards over a year end") << QDate(2020, 3, 31) << -4 << QDate(2019, 11, 30);
    }
    void addMonths()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, expected);
        QCOMPARE(dates::addMonths(from, months), expected);
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "test_dates.moc"
