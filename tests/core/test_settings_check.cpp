#include "settings/result_currency.h"
#include "settings/tariff_check.h"
#include "settings/tariff_forms.h"
#include "support/tariff_fields.h"

#include <QtTest>

using tariffFields::texts;

// The shipped tariff with each "name=text" change made: a tariff text, a tick
// or a stored option.
static calc::Tariff tariffWith(const QStringList &changes, settings::StoredOptions *stored = nullptr)
{
    calc::Tariff tariff;
    tariffFields::change(tariff, nullptr, "waterVolumeCharge=1.2345;sewageVolumeCharge=2.2345;sewageAllowance=95;"
                                          "waterFixedCharge=37.5;predictionPeriods=12;monthly=1");
    for (const QString &change : tariffFields::change(tariff, nullptr, changes.join(';'))) {
        const QString name = change.section('=', 0, 0), text = change.section('=', 1);
        if (name == "LogLevel")
            stored->LogLevel = text.toFloat();
        else if (name == "RunOnTop" || name == "VUnits")
            (name == "RunOnTop" ? stored->RunOnTop : stored->VUnits) = text.toInt();
        else if (name == "Disc1PT" || name == "Disc2FT" || name == "PSize")
            (name == "Disc1PT" ? stored->Disc1PT : name == "Disc2FT" ? stored->Disc2FT : stored->PSize) = text;
        else
            qFatal("no tariff item %s", qPrintable(name));
    }
    return tariff;
}

static QStringList textsOf(const calc::Tariff &tariff, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        shown << name + '=' + tariff.*texts[name];
    return shown;
}

class TestSettingsCheck : public QObject {
    Q_OBJECT

private slots:
    // Each limit is passed at its bound and refused just beyond it; in both
    // modes where the mode sets the limit.
    void problems_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *changes, const QString &expected) {
            QTest::newRow(name) << QString(changes).split(';', Qt::SkipEmptyParts) << expected;
        };
        row("shipped tariff", "", "");
        // Every limit at once: one that is wrong names itself among the problems.
        const QString water = "Water Volume Charge must be between 0.10 and 9.99\n";
        const QString sewage = "Sewage Volume Charge must be 0 or between 0.10 and 9.99\n";
        const QString months = "Prediction Period must be either 0 or between 1 and 24\n";
        const QString sixMonths = "Prediction Period must be either 0 or between 1 and 4\n";
        const QString fixed = "Water Fixed Charge must be either 0 or between 5 and 99\n"
                              "Sewage Fixed Charge must be either 0 or between 5 and 99\n";
        const QString percentage = "Discount 1 must be either 0 or between 1% and 30%\n";
        const QString discountsTaxAllowance = "Discount 1 must be either 0 or between 1 and 99\n"
                                              "Discount 2 must be either 0 or between 1 and 99\n"
                                              "VAT Rate must be between 0 and 50%\n"
                                              "Sewage Volume Allowance must be 0 or between 10 and 100\n";
        row("every lower bound", "waterVolumeCharge=0.10;sewageVolumeCharge=0.10;predictionPeriods=0;waterFixedCharge=2;"
            "sewageFixedCharge=2;discount1=1;discount2=1;taxRate=1;sewageAllowance=10", "");
        row("every upper bound", "waterVolumeCharge=9.99;sewageVolumeCharge=9.99;predictionPeriods=24;waterFixedCharge=99;"
            "sewageFixedCharge=99;discount1=99;discount2=99;taxRate=50;sewageAllowance=100", "");
        row("just below every lower bound", "waterVolumeCharge=0.09;sewageVolumeCharge=0.09;predictionPeriods=-0.01;"
            "waterFixedCharge=1.99;sewageFixedCharge=1.99;discount1=0.99;discount2=0.99;taxRate=0.99;sewageAllowance=9.99",
            water + sewage + months + fixed + discountsTaxAllowance);
        row("just above every upper bound", "waterVolumeCharge=10;sewageVolumeCharge=9.991;predictionPeriods=24.01;"
            "waterFixedCharge=99.01;sewageFixedCharge=99.01;discount1=99.01;discount2=99.01;taxRate=50.1;"
            "sewageAllowance=100.1", water + sewage + months + fixed + discountsTaxAllowance);
        row("six-monthly, a percentage, lower bounds", "monthly=0;predictionPeriods=0;discount1Percent=1;discount1=1", "");
        row("six-monthly, a percentage, upper bounds", "monthly=0;predictionPeriods=4;discount1Percent=1;discount1=30", "");
        row("six-monthly, a percentage, just below", "monthly=0;predictionPeriods=-0.01;discount1Percent=1;discount1=0.99",
            sixMonths + percentage);
        row("six-monthly, a percentage, just above", "monthly=0;predictionPeriods=4.01;discount1Percent=1;discount1=30.01",
            sixMonths + percentage);
        row("water volume empty", "waterVolumeCharge=", water);
        row("water volume unreadable", "waterVolumeCharge=1.5x", water);
        row("sewage volume 0", "sewageVolumeCharge=0;sewageAllowance=", "");
        row("greyed monthly box, by the six-monthly rule", "monthly=2;predictionPeriods=5",
            "Monthly must be 1 or 2\n" + sixMonths);
        row("grouped sewage fixed", "sewageFixedCharge=10,000",
            "Sewage Fixed Charge must be either 0 or between 5 and 99\n");
        row("stored options at their bounds", "Disc1PT=2;Disc2FT=1.5;PSize=2;LogLevel=2;RunOnTop=2;VUnits=2", "");
        row("stored options past their other bounds",
            "Disc1PT=2.01;Disc2FT=0.99;PSize=0.99;LogLevel=0;RunOnTop=3;VUnits=0",
            "Discount 1 Percent Control must be 1 or 2\nDiscount 2 Fixed Control must be 1 or 2\nLog Level must be 1 or 2\n"
            "Run On Top must be 1 or 2\nMonthly must be 1 or 2\nVolume Units must be 1 or 2\n");
        row("every problem, in order",
            "autoSave=2;onTop=2;monthly=2;Disc1PT=0.5;Disc2FT=2.5;LogLevel=1.5;RunOnTop=0;PSize=2.01;VUnits=3;"
            "discount1Percent=1;waterVolumeCharge=$1.25;sewageVolumeCharge=20;predictionPeriods=5;"
            "waterFixedCharge=1.99;sewageFixedCharge=£100;discount1=35;discount2=ten;taxRate=0.5;sewageAllowance=9.9",
            "Auto Save must be 1 or 2\nDiscount 1 Percent Control must be 1 or 2\nDiscount 2 Fixed Control must be 1 "
            "or 2\nRun On Top must be 1 or 2\nMonthly must be 1 or 2\nLog Level must be 1 or 2\nRun On Top must be 1 "
            "or 2\nMonthly must be 1 or 2\nVolume Units must be 1 or 2\nWater Volume Charge must be between 0.10 and "
            "9.99\nSewage Volume Charge must be 0 or between 0.10 and 9.99\nPrediction Period must be either 0 or "
            "between 1 and 4\nWater Fixed Charge must be either 0 or between 5 and 99\nSewage Fixed Charge must be "
            "either 0 or between 5 and 99\nDiscount 1 must be either 0 or between 1% and 30%\nDiscount 2 must be "
            "either 0 or between 1 and 99\nVAT Rate must be between 0 and 50%\nSewage Volume Allowance must be 0 or "
            "between 10 and 100\n");
    }
    void problems()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, expected);
        settings::StoredOptions stored{"1", "1", "2", 1, 1, 1};
        const calc::Tariff tariff = tariffWith(changes, &stored);
        QCOMPARE(settings::tariffProblems(tariff, stored, QLocale("en_GB")), expected);
    }

    // The forms as the check gives them: stripped of the prefix, decimal point,
    // rendered, then dressed.
    void forms_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pound") << "en_GB" << "£"
            << QStringList{"waterVolumeCharge=£1.5", "waterFixedCharge=£0", "sewageFixedCharge=$5", "discount2=£2.125",
                           "taxRate=20", "predictionPeriods=2.5", "discount1Percent=1", "discount1=10"}
            << QStringList{"waterVolumeCharge=£1.5000", "waterFixedCharge=", "sewageFixedCharge=",
                           "discount2=£2.13", "taxRate=20.0", "predictionPeriods=3", "discount1=10.00"};
        QTest::newRow("pound, discount 1 an amount, zeros emptied bar the water volume charge") << "en_GB" << "£"
            << QStringList{"waterVolumeCharge=0", "discount1=£7", "sewageAllowance=0.04", "sewageVolumeCharge=abc",
                           "taxRate=10,000", "predictionPeriods=0", "waterFixedCharge=0.00", "discount2=0"}
            << QStringList{"waterVolumeCharge=£0.0000", "discount1=£7.00", "sewageAllowance=",
                           "sewageVolumeCharge=", "taxRate=10,000", "predictionPeriods=", "waterFixedCharge=",
                           "discount2="};
        QTest::newRow("pound, the other zeros emptied") << "en_GB" << "£"
            << QStringList{"taxRate=0.0", "discount1=£0", "sewageFixedCharge=0"}
            << QStringList{"taxRate=", "discount1=", "sewageFixedCharge="};
        QTest::newRow("euro after the amount: no prefix, decimal comma") << "de_DE" << ""
            << QStringList{"waterVolumeCharge=1,5", "waterFixedCharge=37,50", "discount2=1.234,5", "taxRate=19"}
            << QStringList{"waterVolumeCharge=1.5000", "waterFixedCharge=37.50", "discount2=1.234,5",
                           "taxRate=19.0"};
    }
    void forms()
    {
        QFETCH(QString, locale);
        QFETCH(QString, prefix);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        calc::Tariff tariff = tariffWith(changes);
        settings::stripPrefix(tariff, prefix);
        settings::useDecimalPoint(tariff, QLocale(locale));
        settings::render(tariff, QLocale(locale));
        settings::dressMoney(tariff, prefix);
        QStringList names;
        for (const QString &item : expected)
            names << item.section('=', 0, 0);
        QCOMPARE(textsOf(tariff, names), expected);
    }

    // Amounts already in the currency form get the symbol brought up to date;
    // the others are written in it first.
    void resultCurrency_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");  // waterCost, subTotal, predicted discount2, costPerDay
        QTest::newRow("pound") << "en_GB" << "£" << "$5;1686.25;0;-0.125" << "£5;£1,686.25;;-£0.13";
        QTest::newRow("pound, signs and short texts") << "en_GB" << "£" << "-12.50;-;-£3;x" << "-£12.50;;-£3.00;£";
        QTest::newRow("euro after the amount") << "de_DE" << "" << "12,50 €;1686,25;2,5;-0,5"
                                               << "12,50 €;1.686,25\u00A0€;2,50\u00A0€;-0,50\u00A0€";
        QTest::newRow("franc locale, narrow grouping") << "fr_FR" << "" << "5;1686.25;0;1234,5"
                                                       << "5;1\u202F686,25\u00A0€;;1\u202F234,50\u00A0€";
    }
    void resultCurrency()
    {
        QFETCH(QString, locale);
        QFETCH(QString, prefix);
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        const QStringList in = shown.split(';');
        calc::Results results;
        results.actual.waterCost = in[0];
        results.actual.subTotal = in[1];
        results.predicted.discount2 = in[2];
        results.costPerDay = in[3];
        results.actual.fixedTotal = "7";  // not money the dressing knows of
        settings::dressResults(results, prefix, QLocale(locale));
        const QStringList out = {results.actual.waterCost, results.actual.subTotal, results.predicted.discount2,
                                 results.costPerDay};
        QCOMPARE(out.join(';'), expected);
        QCOMPARE(results.actual.fixedTotal, "7");
    }
};

QTEST_APPLESS_MAIN(TestSettingsCheck)
#include "test_settings_check.moc"
