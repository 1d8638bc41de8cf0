#include "support/window_driver.h"

#include <QtTest>

// Captions and tooltips that follow the locale's currency, the tax rate and the
// option boxes, and the result boxes that the options and the tidy-up empty.
class TestDisplayModes : public QObject {
    Q_OBJECT

private slots:
    // "given" sets boxes as the program does, so the VAT box's handler runs; the
    // action clicks a box or tidies the results. An expected "box=text" is a
    // box's or label's text ("PendingMessage=" the collected messages), and
    // "?box=text" its tooltip.
    void windowFollowsTheModes_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("expected");
        const QLocale gb("en_GB"), ie("en_IE"), us("en_US"), de("de_DE");
        const QStringList results = {"TDays=183", "TVCostP=£12.00"};
        QTest::newRow("pound") << gb << QStringList{"VAT=20"} << "" << QStringList{"VATH=VAT:", "VCostL=VAT", "?VATH=VAT Rate (between 0 and 50%)",
            "?VAT=VAT Rate (0 or between 1 and 50%)", "?TCost=Cost before discounts and VAT", "?D2Cost=Total Discount 2 after VAT"};
        QTest::newRow("euro before the amount, as started") << ie << QStringList() << "" << QStringList{"VATH=VAT:", "?TVCost=Total Cost (no VAT)",
            "WVChargeL=/Cu m", "UDayL=Litres/Day:", "PRateH=m", "?PRate=Prediction period (0 ( No Prediction) or between 1 and 24 Months)"};
        QTest::newRow("dollar") << us << QStringList{"VAT=20"} << "" << QStringList{"VATH=Tax:", "VCostL=Tax", "?VATH=Tax Rate (between 0 and 50%)",
            "?VAT=Tax Rate (0 or between 0 and 50%)", "?TVCost=Total Cost (inc Tax)", "?D1Cost=Total Discount 1 before Tax"};
        QTest::newRow("euro after the amount, tidied") << de << QStringList{"VAT=20", "PRate=2", "NR2Cost=10,00 €", "NR2CostP=0,00 €"} << "tidy"
            << QStringList{"VATH=Tax:", "?VCostP=Predicted Total Tax", "NR2Cost=10,00 €", "NR2CostP="};
        QTest::newRow("six-monthly") << gb << results << "Period" << QStringList{"TDays=", "TVCostP=", "PendingMessage=", "PRateH=* 6m",
            "?PRate=Prediction period (0 ( No Prediction) or between 1 and 4 Six Month Periods)"};
        QTest::newRow("discount 1 in percent") << gb << results + QStringList{"Disc1=5"} << "Disc1P" << QStringList{"TDays=", "PendingMessage=",
            "Disc1=", "Disc1L=%", "?Disc1=Discount 1 per month ( 0 or between 1% and 30%)"};
        QTest::newRow("discount 2 fixed") << gb << results + QStringList{"Disc2=3"} << "Disc2F" << QStringList{"TVCostP=", "PendingMessage=",
            "Disc2=3", "?Disc2=Discount 2 ( 0 or between 1 and 99)", "?D2CostP=Total Discount 2"};
        QTest::newRow("gallons") << gb << results << "VolUnits1" << results + QStringList{"PendingMessage=stale", "WVChargeL=/1000 Gal",
            "SVChargeL=/1000 Gal", "UDayL=Gal/Day:"};
        QTest::newRow("tidy: zero sewerage") << gb << QStringList{"PRate=2", "R2Units=0", "R2UnitsP=12", "NR2Cost=£0.00", "NR2CostP=0"}
            << "tidy" << QStringList{"R2Units=", "R2UnitsP=12", "NR2Cost=", "NR2CostP="};
        QTest::newRow("tidy: no fixed charge or discount 1") << gb << QStringList{"SCharge=", "Disc1=", "Disc2=3", "VAT=20", "TSChargeP=£2.00",
            "D1Cost=5", "D2Cost=3", "VCost=4"} << "tidy" << QStringList{"TSChargeP=", "D1Cost=", "D2Cost=3", "VCost=4"};
        QTest::newRow("tidy: no discount 2, tax or prediction") << us << QStringList{"PRate=0", "SCharge=$37.50", "Disc1=5", "Disc2=", "VAT=",
            "TSCharge=$1.00", "D1Cost=5", "D2Cost=6", "VCost=4", "TDaysP=365", "TVCostP=$1.00"}
            << "tidy" << QStringList{"TSCharge=$1.00", "D1Cost=5", "D2Cost=", "VCost=", "TDaysP=", "TVCostP=", "?VCost=Total Tax"};
    }
    void windowFollowsTheModes()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, given);
        QFETCH(QString, action);
        QFETCH(QStringList, expected);
        WindowDriver d(locale);
        QVERIFY(d.start());
        for (const QString &item : given)
            d.find<QLineEdit>(item.section('=', 0, 0))->setText(item.section('=', 1));
        d.window->PendingMessage = "stale";
        for (const QString &step : action.split(' ', Qt::SkipEmptyParts))
            step == "tidy" ? d.window->TidyResults() : d.click(step);
        for (const QString &item : expected) {
            const QString name = item.section('=', 0, 0);
            const QString shown = name.startsWith('?') ? d.find(name.mid(1))->toolTip()
                                                       : name == "PendingMessage" ? d.window->PendingMessage : d.text(name);
            QCOMPARE(name + '=' + shown, item);
        }
    }
};

QTEST_MAIN(TestDisplayModes)
#include "test_display_modes.moc"
