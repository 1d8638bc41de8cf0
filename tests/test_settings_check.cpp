#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The settings check of the tariff and options as Calculate and Save Data meet
// it: range messages in order, the rendering of accepted values, and a locale
// whose currency symbol follows the amount.
class TestSettingsCheck : public QObject {
    Q_OBJECT

private slots:
    void checksAndRendersTheTariff_data();
    void checksAndRendersTheTariff();
    void savingReportsEveryFailureInTableOrder();
};

namespace {

// Readings for the shipped tariff: monthly, sewerage charged with an
// allowance, 12 months predicted. Clicking "Period" or "Disc1P" switches to
// six-monthly working or a percentage.
const QStringList readings = {"Date1=2019-06-01", "Date2=2019-12-01", "NRead1=1000", "NRead2=1234.5"};

}  // namespace

void TestSettingsCheck::checksAndRendersTheTariff_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("entries");   // then Calculate is pressed
    QTest::addColumn<QStringList>("shown");     // afterwards; a refused field keeps its text
    QTest::addColumn<QStringList>("messages");  // none: the calculation goes ahead
    auto row = [](const char *name, QStringList entries, QStringList shown, QStringList messages = {},
                  QString locale = u"en_GB"_s) { QTest::newRow(name) << locale << entries << shown << messages; };
    row("lowest, rounded, zeros emptied", {"NormalR1=£0.1", "SCharge=2", "CheapR=2.005", "NormalR2=0", "BPoint=0", "VAT=0",
        "PRate=0.4", "Disc1=1", "Disc2=1.999"}, {"NormalR1=£0.1000", "SCharge=£2.00", "CheapR=£2.01", "NormalR2=",
        "BPoint=", "VAT=", "PRate=", "Disc1=£1.00", "Disc2=£2.00"});
    row("highest, six-monthly, in percent", {"Period", "Disc1P", "NormalR1=9.99", "NormalR2=1.23455", "CheapR=99",
        "VAT=50", "Disc1=30", "BPoint=100", "PRate=3.5"}, {"NormalR1=£9.9900", "NormalR2=£1.2346", "CheapR=£99.00",
        "VAT=50.0", "Disc1=30.00", "BPoint=100.0", "PRate=4"});
    row("monthly limit", {"PRate=24", "Disc1=99", "BPoint=95.25"}, {"PRate=24", "Disc1=£99.00", "BPoint=95.3"});
    row("refused", {"Disc1P", "NormalR1=$1.25", "PRate=25", "SCharge=10,000", "Disc1=35", "BPoint=9.9"},
        {"NormalR1=$1.25", "SCharge=10,000"},
        {"Water Volume Charge must be between 0.10 and 9.99", "Prediction Period must be either 0 or between 1 and 24",
         "Water Fixed Charge must be either 0 or between 5 and 99", "Discount 1 must be either 0 or between 1% and 30%",
         "Sewage Volume Allowance must be 0 or between 10 and 100"});
    row("prediction letters", {"PRate=2x"}, {"PRate=2x"}, {"Prediction Period must be either 0 or between 1 and 24"});
    // The euro follows the amount: nothing may be taken off the front of it, nor put there.
    row("German", {"NormalR1=1.25", "SCharge=12"}, {"NormalR1=1.2500", "SCharge=12.00", u"NR1Cost=293,13\u00A0€"_s,
        u"TVCost=652,18\u00A0€"_s, u"TCostP=1.281,47\u00A0€"_s}, {}, u"de_DE"_s);
}

void TestSettingsCheck::checksAndRendersTheTariff()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, messages);
    WindowDriver d{QLocale(locale)};
    QVERIFY(d.start());
    d.enter(readings + entries + QStringList{"Calc"});
    QCOMPARE(d.lastMessage().text.split(u'\n', Qt::SkipEmptyParts), messages);
    QCOMPARE(d.state(shown), shown);
}

void TestSettingsCheck::savingReportsEveryFailureInTableOrder()
{
    WindowDriver d;
    QVERIFY(d.start());
    for (const char *box : {"AutoSave", "OnTop", "Period"})
        AquabillMain::setValue(d.find<QCheckBox>(box), 2);  // greyed
    d.window->RunOnTopSetting = 3;  // after the OnTop box, whose handler sets it
    d.window->StoredDisc1PT = u"0.5"_s;
    d.window->StoredDisc2FT = u"2.5"_s;
    d.window->StoredLogLevel = 1.5f;  // whole, unlike the others, which may be anything from 1 to 2
    d.window->StoredPSize = u"3"_s;
    d.window->StoredVUnits = 0;
    d.enter(readings + QStringList{"NormalR1=", "NormalR2=20", "PRate=5", "SCharge=1.99", "CheapR=£100", "Disc1=0.5",
                                   "Disc2=ten", "VAT=0.5", "BPoint=101", "Save_Defaults"});
    // The title, then every message. A greyed Period box is not monthly working.
    QCOMPARE((d.lastMessage().title + u'\n' + d.lastMessage().text).split(u'\n', Qt::SkipEmptyParts), QStringList({
        "Aquabill Data Error", "Auto Save must be 1 or 2", "Discount 1 Percent Control must be 1 or 2",
        "Discount 2 Fixed Control must be 1 or 2", "Run On Top must be 1 or 2", "Monthly must be 1 or 2",
        "Log Level must be 1 or 2", "Run On Top must be 1 or 2", "Monthly must be 1 or 2",
        "Volume Units must be 1 or 2", "Water Volume Charge must be between 0.10 and 9.99",
        "Sewage Volume Charge must be 0 or between 0.10 and 9.99",
        "Prediction Period must be either 0 or between 1 and 4",
        "Water Fixed Charge must be either 0 or between 5 and 99",
        "Sewage Fixed Charge must be either 0 or between 5 and 99", "Discount 1 must be either 0 or between 1 and 99",
        "Discount 2 must be either 0 or between 1 and 99", "VAT Rate must be between 0 and 50%",
        "Sewage Volume Allowance must be 0 or between 10 and 100"}));
    QCOMPARE(d.folder.read("Data/Aquabill.ini"), ProgramFolder::shippedConfiguration());
}

QTEST_MAIN(TestSettingsCheck)
#include "test_settings_check.moc"
