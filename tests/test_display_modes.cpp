#include "support/window_driver.h"

#include <QLabel>
#include <QtTest>

// Captions and tooltips that follow the locale's currency and the options,
// and the tidying of result boxes.
class TestDisplayModes : public QObject {
    Q_OBJECT

private slots:
    void taxWordFollowsTheCurrency_data();
    void taxWordFollowsTheCurrency();
    void optionBoxesClearResultsAndSetCaptions_data();
    void optionBoxesClearResultsAndSetCaptions();
    void optionBoxesDoNothingWhileLoading();
    void tidyEmptiesZeroAndUnusedResults_data();
    void tidyEmptiesZeroAndUnusedResults();
};

void TestDisplayModes::taxWordFollowsTheCurrency_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("word");
    QTest::newRow("pound before the amount") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "£" << "VAT";
    QTest::newRow("euro before the amount") << QLocale(QLocale::English, QLocale::Ireland) << "€" << "VAT";
    QTest::newRow("dollar") << QLocale(QLocale::English, QLocale::UnitedStates) << "$" << "Tax";
    QTest::newRow("euro after the amount") << QLocale(QLocale::German, QLocale::Germany) << "1" << "Tax";
}

void TestDisplayModes::taxWordFollowsTheCurrency()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, symbol);
    QFETCH(QString, word);
    WindowDriver driver(locale);
    QVERIFY(driver.start());
    QCOMPARE(driver.window->CurrencySymbol, symbol);

    driver.type(QStringLiteral("VAT"), QStringLiteral("20"));
    QCOMPARE(driver.text(QStringLiteral("VATH")), word + QStringLiteral(":"));
    QCOMPARE(driver.text(QStringLiteral("VCostL")), word);
    QCOMPARE(driver.find(QStringLiteral("VATH"))->toolTip(), word + QStringLiteral(" Rate (between 0 and 50%)"));
    const QString vatTip = word == QStringLiteral("VAT") ? QStringLiteral("VAT Rate (0 or between 1 and 50%)")
                                                         : QStringLiteral("Tax Rate (0 or between 0 and 50%)");
    QCOMPARE(driver.find(QStringLiteral("VAT"))->toolTip(), vatTip);
    QCOMPARE(driver.find(QStringLiteral("TCost"))->toolTip(), QStringLiteral("Cost before discounts and ") + word);
    QCOMPARE(driver.find(QStringLiteral("TVCost"))->toolTip(), QStringLiteral("Total Cost (inc ") + word + QStringLiteral(")"));
    QCOMPARE(driver.find(QStringLiteral("VCostP"))->toolTip(), QStringLiteral("Predicted Total ") + word);
    QCOMPARE(driver.find(QStringLiteral("D2Cost"))->toolTip(), QStringLiteral("Total Discount 2 after ") + word);

    // Without a tax rate the totals say so and the discounts lose "before/after".
    driver.type(QStringLiteral("VAT"), QString());
    QCOMPARE(driver.find(QStringLiteral("TVCost"))->toolTip(), QStringLiteral("Total Cost"));
    QCOMPARE(driver.find(QStringLiteral("VCost"))->toolTip(), QStringLiteral("Total ") + word);
    QCOMPARE(driver.find(QStringLiteral("D1Cost"))->toolTip(), QStringLiteral("Total Discount 1"));
}

void TestDisplayModes::optionBoxesClearResultsAndSetCaptions_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("resultsCleared");
    QTest::addColumn<QString>("disc1After");
    QTest::addColumn<QStringList>("captions");  // name=caption after the click
    QTest::newRow("monthly") << "Period" << true << "5"
                             << QStringList{"PRateH=m", "UDayL=Litres/Day:"};
    QTest::newRow("discount 1 in percent") << "Disc1P" << true << ""
                                           << QStringList{"Disc1L=%", "PRateH=* 6m"};
    QTest::newRow("discount 2 fixed") << "Disc2F" << true << "5" << QStringList{"Disc1L="};
    QTest::newRow("gallons") << "VolUnits1" << false << "5"
                             << QStringList{"WVChargeL=/1000 Gal", "SVChargeL=/1000 Gal", "UDayL=Gal/Day:"};
}

void TestDisplayModes::optionBoxesClearResultsAndSetCaptions()
{
    QFETCH(QString, box);
    QFETCH(bool, resultsCleared);
    QFETCH(QString, disc1After);
    QFETCH(QStringList, captions);
    WindowDriver driver;
    QVERIFY(driver.start());
    // Six-monthly working, whatever the shipped configuration says.
    AquabillMain::setValue(driver.find<QCheckBox>(QStringLiteral("Period")), 0);
    driver.type(QStringLiteral("Disc1"), QStringLiteral("5"));
    driver.type(QStringLiteral("Disc2"), QStringLiteral("3"));
    driver.type(QStringLiteral("PRate"), QStringLiteral("2"));
    driver.find<QLineEdit>(QStringLiteral("TDays"))->setText(QStringLiteral("183"));
    driver.find<QLineEdit>(QStringLiteral("TVCostP"))->setText(QStringLiteral("£12.00"));
    driver.window->PendingMessage = QStringLiteral("stale");

    driver.click(box);
    QVERIFY(driver.ticked(box));
    QCOMPARE(driver.text(QStringLiteral("TDays")).isEmpty(), resultsCleared);
    QCOMPARE(driver.text(QStringLiteral("TVCostP")).isEmpty(), resultsCleared);
    QCOMPARE(driver.window->PendingMessage.isEmpty(), resultsCleared);
    QCOMPARE(driver.text(QStringLiteral("Disc1")), disc1After);
    QCOMPARE(driver.text(QStringLiteral("Disc2")), QStringLiteral("3"));
    for (const QString &caption : captions) {
        const QStringList parts = caption.split(QLatin1Char('='));
        QCOMPARE(driver.text(parts.at(0)), parts.at(1));
    }
}

void TestDisplayModes::optionBoxesDoNothingWhileLoading()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.type(QStringLiteral("Disc1"), QStringLiteral("5"));
    driver.find<QLineEdit>(QStringLiteral("TDays"))->setText(QStringLiteral("183"));
    driver.window->Loading = true;
    for (const char *box : {"Period", "Disc1P", "Disc2F"})
        AquabillMain::setValue(driver.find<QCheckBox>(QString::fromLatin1(box)), 1);
    driver.type(QStringLiteral("VAT"), QStringLiteral("20"));
    QCOMPARE(driver.text(QStringLiteral("TDays")), QStringLiteral("183"));
    QCOMPARE(driver.text(QStringLiteral("Disc1")), QStringLiteral("5"));
    QCOMPARE(driver.text(QStringLiteral("VATH")), QStringLiteral("VAT:"));
    QCOMPARE(driver.find(QStringLiteral("VAT"))->toolTip(), QStringLiteral("VAT Rate (0 or between 1 and 50%)"));

    // The unit box acts even while loading, so its captions always match it.
    AquabillMain::setValue(driver.find<QCheckBox>(QStringLiteral("VolUnits1")), 1);
    QCOMPARE(driver.text(QStringLiteral("UDayL")), QStringLiteral("Gal/Day:"));
}

void TestDisplayModes::tidyEmptiesZeroAndUnusedResults_data()
{
    QTest::addColumn<QStringList>("setup");  // box=text before tidying
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QLocale>("locale");
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QStringList tariff = {"PRate=2", "SCharge=£37.50", "Disc1=5", "Disc2=3", "VAT=20"};
    const QStringList results = {"R2Units=0", "R2UnitsP=12", "NR2Cost=£0.00", "NR2CostP=£1.50",
                                 "TSCharge=£37.50", "TSChargeP=£75.00", "D1Cost=-£5.00", "D1CostP=-£10.00",
                                 "D2Cost=-£3.00", "D2CostP=-£6.00", "VCost=£8.00", "VCostP=£16.00", "TDaysP=365"};
    QTest::newRow("zero sewerage") << tariff + results << QStringList{"R2Units", "NR2Cost"}
                                   << QStringList{"R2UnitsP", "NR2CostP", "TSCharge", "D1Cost", "D2Cost", "VCost", "TDaysP"} << british;
    QTest::newRow("zero sewerage without a symbol") << tariff + results + QStringList{"NR2Cost=0", "R2UnitsP=0.0"}
                                                    << QStringList{"NR2Cost", "R2UnitsP"} << QStringList{"NR2CostP"} << british;
    QTest::newRow("no prediction") << results + QStringList{"PRate=0", "SCharge=£37.50"}
                                   << QStringList{"TDaysP", "R2UnitsP", "NR2CostP", "TSChargeP", "VCostP"}
                                   << QStringList{"TSCharge"} << british;
    QTest::newRow("no water fixed charge") << results + QStringList{"PRate=2", "SCharge="}
                                           << QStringList{"TSCharge", "TSChargeP"} << QStringList{"TDaysP"} << british;
    QTest::newRow("no discounts") << results + QStringList{"PRate=2", "Disc1=", "Disc2="}
                                  << QStringList{"D1Cost", "D1CostP", "D2Cost", "D2CostP"} << QStringList{"TDaysP"} << british;
    QTest::newRow("no tax") << results + QStringList{"PRate=2", "VAT="} << QStringList{"VCost", "VCostP"}
                            << QStringList{"TDaysP"} << british;
    QTest::newRow("symbol after the amount") << QStringList{"PRate=2", "NR2Cost=10,00 €", "NR2CostP=0,00 €"}
                                             << QStringList{"NR2CostP"} << QStringList{"NR2Cost"}
                                             << QLocale(QLocale::German, QLocale::Germany);
}

void TestDisplayModes::tidyEmptiesZeroAndUnusedResults()
{
    QFETCH(QStringList, setup);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, kept);
    QFETCH(QLocale, locale);
    WindowDriver driver(locale);
    QVERIFY(driver.start());
    for (const QString &item : setup) {
        const QStringList parts = item.split(QLatin1Char('='));
        driver.find<QLineEdit>(parts.at(0))->setText(parts.at(1));
    }
    driver.window->TidyResults();
    for (const QString &name : emptied)
        QVERIFY2(driver.text(name).isEmpty(), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(!driver.text(name).isEmpty(), qPrintable(name));
}

QTEST_MAIN(TestDisplayModes)
#include "test_display_modes.moc"
