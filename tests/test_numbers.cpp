#include "app/failures.h"
#include "calc/numbers.h"

#include <QtTest>

// The two readings of a field's text, and the text forms a computed value is written in.
class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    // A NaN in "full" means the full parse must refuse the text. A text counts as
    // numeric exactly where both parses give the same number.
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("leading");
        QTest::addColumn<double>("full");
        const double refused = qQNaN();
        QTest::newRow("trailing letters") << "12abc" << "en_GB" << 12.0 << refused;
        QTest::newRow("tab, plus, bare point, bare exponent") << "\t+.25e+z" << "C" << 0.25 << refused;
        QTest::newRow("exponent") << " 5e300" << "en_GB" << 5e300 << 5e300;
        QTest::newRow("blank") << "  " << "en_GB" << 0.0 << refused;
        QTest::newRow("point text in a comma locale") << " -1234.5 " << "de_DE" << -1234.5 << -1234.5;
        QTest::newRow("grouped") << "1,234.5" << "en_GB" << 1.0 << 1234.5;
        QTest::newRow("pounds") << "-£1,686.25" << "en_GB" << 0.0 << -1686.25;
        QTest::newRow("euros after, no-break space") << "-1.234,50\u00A0€" << "de_DE" << -1.234 << -1234.5;
        QTest::newRow("another locale's symbol") << "$1.25" << "en_GB" << 0.0 << refused;
        QTest::newRow("overflow") << "1e400" << "en_GB" << qInf() << refused;
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(double, leading);
        QFETCH(double, full);
        QCOMPARE(numbers::leading(text), leading);
        if (qIsNaN(full))
            QVERIFY_THROWS_EXCEPTION(RuntimeFailure, numbers::full(text, QLocale(locale)));
        else
            QCOMPARE(numbers::full(text, QLocale(locale)), full);
        QCOMPARE(numbers::isNumeric(text, QLocale(locale)), full == leading);
    }

    // Halves go away from zero, judged on the value's 15-digit text.
    void written_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("oneDecimal");
        QTest::addColumn<QString>("pounds");
        QTest::newRow("difference noise") << 1234.3 - 1000.2 << "234.1" << "234.1" << "£234.10";
        QTest::newRow("product noise") << 842.35 * 0.05 << "42.1175" << "42.1" << "£42.12";
        QTest::newRow("fifteen digits") << 263.41 / 61 << "4.31819672131148" << "4.3" << "£4.32";
        QTest::newRow("whole") << 40.0 << "40" << "40.0" << "£40.00";
        QTest::newRow("half a cent, below in binary") << 2.675 << "2.675" << "2.7" << "£2.68";
        QTest::newRow("half a tenth, grouped") << 1686.25 << "1686.25" << "1686.3" << "£1,686.25";
        QTest::newRow("negative half") << -0.05 << "-0.05" << "-0.1" << "-£0.05";
        QTest::newRow("negative, rounding to nothing") << -0.001 << "-0.001" << "0.0" << "£0.00";
        QTest::newRow("negative zero") << -0.0 << "0" << "0.0" << "£0.00";
        QTest::newRow("carry into a new digit") << 9.995 << "9.995" << "10.0" << "£10.00";
        QTest::newRow("large") << 1e20 << "1e+20" << "100000000000000000000.0" << "£100,000,000,000,000,000,000.00";
    }
    void written()
    {
        QFETCH(double, value);
        QTEST(numbers::plain(value), "plain");
        QTEST(numbers::oneDecimal(value), "oneDecimal");
        QTEST(numbers::currency(value, QLocale("en_GB")), "pounds");
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
