#include "core/runtime_failure.h"
#include "calc/numbers.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    // A NaN in "full" is a refusal; a text is numeric exactly where both parses agree.
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("leading");
        QTest::addColumn<double>("full");
        const double refused = qQNaN();
        QTest::newRow("trailing letters") << "12abc" << "en_GB" << 12.0 << refused;
        QTest::newRow("tab, plus, bare point, bare exponent") << "\t+.25e+z" << "C" << 0.25 << refused;
        QTest::newRow("blank") << "  " << "en_GB" << 0.0 << refused;
        QTest::newRow("letters after an exponent") << "2e3kg" << "en_GB" << 2000.0 << refused;
        QTest::newRow("exponent, as plain text writes it") << " 1e+20" << "en_GB" << 1e20 << 1e20;
        QTest::newRow("point text in a comma locale") << " -1234.5 " << "de_DE" << -1234.5 << -1234.5;
        QTest::newRow("grouped") << "1,234.5" << "en_GB" << 1.0 << 1234.5;
        QTest::newRow("pounds") << "-£1,686.25" << "en_GB" << 0.0 << -1686.25;
        QTest::newRow("euros after, no-break space") << "-1.234,50\u00A0€" << "de_DE" << -1.234 << -1234.5;
        QTest::newRow("euros after, the locale's own minus") << "\u22121\u00A0234,50\u00A0€" << "fi_FI" << 0.0 << -1234.5;
        QTest::newRow("another locale's symbol") << "$1.25" << "en_GB" << 0.0 << refused;
        QTest::newRow("the point before any digit") << ",50\u00A0€" << "de_DE" << 0.0 << refused;
        QTest::newRow("francs, the currency's code") << "-12.50\u00A0CHF" << "it_CH" << -12.5 << -12.5;
        QTest::newRow("rials, a direction mark before the symbol")
            << "\u200E\u0631\u06CC\u0627\u0644\u00A0\u06F1\u06F2\u066B\u06F5\u06F0" << "fa_IR" << 0.0 << 12.5;
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

    // Plain, one-decimal, pounds; halves go away from zero, judged on the 15-digit text.
    void written()
    {
        const std::pair<double, const char *> cases[] = {
            {1234.3 - 1000.2, "234.1 234.1 £234.10"}, {842.35 * 0.05, "42.1175 42.1 £42.12"},
            {263.41 / 61, "4.31819672131148 4.3 £4.32"}, {40.0, "40 40.0 £40.00"}, {2.675, "2.675 2.7 £2.68"},
            {1686.25, "1686.25 1686.3 £1,686.25"}, {9.995, "9.995 10.0 £10.00"}, {0.125, "0.125 0.1 £0.13"},
            {0.05, "0.05 0.1 £0.05"}, {0.45, "0.45 0.5 £0.45"}, {-0.05, "-0.05 -0.1 -£0.05"},
            {-0.001, "-0.001 0.0 £0.00"}, {-0.0, "0 0.0 £0.00"},
            {1e20, "1e+20 100000000000000000000.0 £100,000,000,000,000,000,000.00"}};
        const QLocale british("en_GB");
        for (const auto &[value, expected] : cases)
            QCOMPARE(numbers::plain(value) + ' ' + numbers::oneDecimal(value) + ' ' + numbers::currency(value, british),
                     expected);
    }

    // A count of months: ties go to the even neighbour, judged on the 15-digit
    // text, so a value written as 3.5 rounds as 3.5 does.
    void roundedToWhole()
    {
        const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {-3.5, -4}, {3.4999999999999996, 4},
                                                {2.5000000000000004, 2}, {2.6, 3}, {32767.4, 32767}};
        for (const auto &[value, expected] : cases)
            QCOMPARE(numbers::roundEven16(value), expected);
        QVERIFY_THROWS_EXCEPTION(RuntimeFailure, numbers::roundEven16(32767.5));
    }

    // Whatever the desktop's locale, an amount the program writes is read back as
    // that amount, or the next step of a bill that reads it fails.
    void moneyReadsBack()
    {
        QStringList unread;
        for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (const double value : {-1234567.89, 0.05, 12.5}) {
                const QString text = numbers::currency(value, locale);
                try {
                    if (numbers::full(text, locale) != value)
                        unread << locale.name() + ' ' + text;
                } catch (const RuntimeFailure &) {
                    unread << locale.name() + ' ' + text;
                }
            }
        }
        QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u"; ")));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
