#include "support/window_driver.h"

#include <QtTest>
#include <algorithm>

// The settings check of the tariff and options, and the dressing of money results.
class TestSettingsCheck : public QObject {
    Q_OBJECT

private slots:
    void checksOneField_data();
    void checksOneField();
    void reportsEveryFailureInTableOrder();
    void windowCommandsRunTheCheck();
    void switchedOffChecksStillRenderAndDress();
    void dressesMoneyResults_data();
    void dressesMoneyResults();
};

namespace {

const QLocale gb(QLocale::English, QLocale::UnitedKingdom), de(QLocale::German, QLocale::Germany), cLocale = QLocale::c();

// Typed where the test keyboard can (Latin-1), pasted otherwise.
void enter(WindowDriver &d, const QString &field, const QString &text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() < 256; }))
        d.type(field, text);
    else
        d.find<QLineEdit>(field)->setText(text);
}

// A valid tariff and stored options, whatever the configuration held;
// "monthly" ticks Period and "percent" Disc1P.
void validSettings(WindowDriver &d, const QString &option = {})
{
    AquabillMain &w = *d.window;
    AquabillMain::setValue(d.find<QCheckBox>("Period"), option == "monthly");
    AquabillMain::setValue(d.find<QCheckBox>("Disc1P"), option == "percent");
    AquabillMain::setValue(d.find<QCheckBox>("AutoSave"), 0);
    AquabillMain::setValue(d.find<QCheckBox>("OnTop"), 0);
    w.StoredDisc1PT = w.StoredDisc2FT = w.StoredPSize = QStringLiteral("1");
    w.StoredLogLevel = 1;
    w.RunOnTopSetting = w.StoredVUnits = 1;
    for (const char *f : {"NormalR2", "SCharge", "CheapR", "BPoint", "PRate", "VAT", "Disc1", "Disc2"})
        d.type(f, QString());
    d.type("NormalR1", "1.2345");
    w.PendingMessage.clear();
}

void typeAll(WindowDriver &d, const QStringList &entries)  // "field=text"
{
    for (const QString &e : entries)
        enter(d, e.section(u'=', 0, 0), e.section(u'=', 1));
}

QString lines(const QStringList &messages) { return messages.join(u'\n') + u'\n'; }

}  // namespace

void TestSettingsCheck::checksOneField_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");    // after the check; as typed when refused
    QTest::addColumn<QString>("message");  // empty when accepted
    auto ok = [](const char *name, const QLocale &l, const char *opt, const char *f, const QString &typed, const QString &shown) {
        QTest::newRow(name) << l << QString(opt) << QString(f) << typed << shown << QString();
    };
    auto no = [](const char *name, const char *opt, const char *f, const QString &typed, const char *message) {
        QTest::newRow(name) << gb << QString(opt) << QString(f) << typed << typed << QString(message);
    };
    ok("water charge half rounds up", gb, "", "NormalR1", "1.23455", "£1.2346");
    ok("water charge typed with the symbol", gb, "", "NormalR1", "£0.1", "£0.1000");
    ok("sewage charge zero is emptied", gb, "", "NormalR2", "0", "");
    ok("water fixed charge 2 to 99", gb, "", "SCharge", "3", "£3.00");
    ok("water fixed charge exponent and blanks", gb, "", "SCharge", " 5e1 ", "£50.00");
    ok("sewage fixed charge half cent", gb, "", "CheapR", "2.005", "£2.01");
    ok("allowance one decimal", gb, "", "BPoint", "95.25", "95.3");
    ok("prediction below 1 is emptied", gb, "", "PRate", "0.4", "");
    ok("prediction rounds half up", gb, "", "PRate", "3.5", "4");
    ok("prediction monthly 24", gb, "monthly", "PRate", "24", "24");
    ok("tax zero is emptied", gb, "", "VAT", "0", "");
    ok("tax highest", gb, "", "VAT", "50", "50.0");
    ok("discount 1 money 35", gb, "", "Disc1", "35", "£35.00");
    ok("discount 1 percent has no symbol", gb, "percent", "Disc1", "25", "25.00");
    ok("discount 2 rounds up", gb, "", "Disc2", "1.999", "£2.00");
    // "1,00 €" starts with a digit, which is never stripped nor put in front.
    ok("de water charge starting with 1", de, "", "NormalR1", "1.25", "1.2500");
    ok("de fixed charge starting with 1", de, "", "SCharge", "12", "12.00");
    ok("de fixed charge in the locale's form", de, "", "SCharge", "3 €", "3.00");
    ok("C fixed charge starting with 1", cLocale, "", "CheapR", "12.345", "12.35");
    no("water charge empty", "", "NormalR1", "", "Water Volume Charge must be between 0.10 and 9.99");
    no("water charge above", "", "NormalR1", "10", "Water Volume Charge must be between 0.10 and 9.99");
    no("water charge trailing letters", "", "NormalR1", "1abc", "Water Volume Charge must be between 0.10 and 9.99");
    no("water charge other currency", "", "NormalR1", "€1.25", "Water Volume Charge must be between 0.10 and 9.99");
    no("sewage charge below", "", "NormalR2", "0.05", "Sewage Volume Charge must be 0 or between 0.10 and 9.99");
    no("prediction six-monthly 5", "", "PRate", "5", "Prediction Period must be either 0 or between 1 and 4");
    no("prediction trailing letters", "", "PRate", "2x", "Prediction Period must be either 0 or between 1 and 4");
    no("prediction monthly 25", "monthly", "PRate", "25", "Prediction Period must be either 0 or between 1 and 24");
    no("water fixed charge 1.99", "", "SCharge", "1.99", "Water Fixed Charge must be either 0 or between 5 and 99");
    no("water fixed charge 12abc", "", "SCharge", "12abc", "Water Fixed Charge must be either 0 or between 5 and 99");
    no("water fixed charge 5e300", "", "SCharge", "5e300", "Water Fixed Charge must be either 0 or between 5 and 99");
    no("water fixed charge grouped", "", "SCharge", "10,000", "Water Fixed Charge must be either 0 or between 5 and 99");
    no("sewage fixed charge 100", "", "CheapR", "100", "Sewage Fixed Charge must be either 0 or between 5 and 99");
    no("discount 1 money half", "", "Disc1", "0.5", "Discount 1 must be either 0 or between 1 and 99");
    no("discount 1 percent 35", "percent", "Disc1", "35", "Discount 1 must be either 0 or between 1% and 30%");
    no("discount 2 letters", "", "Disc2", "ten", "Discount 2 must be either 0 or between 1 and 99");
    no("tax half", "", "VAT", "0.5", "VAT Rate must be between 0 and 50%");
    no("allowance 101", "", "BPoint", "101", "Sewage Volume Allowance must be 0 or between 10 and 100");
}

void TestSettingsCheck::checksOneField()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, option);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    WindowDriver d(locale);
    QVERIFY(d.start());
    validSettings(d, option);
    enter(d, field, typed);

    // Checked twice, as successive commands do: the amount stays the same.
    for (int pass = 0; pass < 2; ++pass) {
        d.window->PendingMessage.clear();
        d.window->CheckSettings(true, true);
        QCOMPARE(d.window->PendingMessage, message.isEmpty() ? QString() : message + u'\n');
        QCOMPARE(d.text(field), shown);
    }
    if (message.isEmpty()) {  // stripped for the arithmetic: the bare number
        d.window->CheckSettings(true, false);
        QCOMPARE(d.text(field), shown.startsWith(u'£') ? shown.mid(1) : shown);
    }
}

void TestSettingsCheck::reportsEveryFailureInTableOrder()
{
    WindowDriver d;
    QVERIFY(d.start());
    validSettings(d);
    AquabillMain &w = *d.window;
    typeAll(d, {"BPoint=5", "VAT=60", "Disc2=abc", "Disc1=100", "CheapR=£1", "SCharge=12abc", "PRate=9",
                "NormalR2=20", "NormalR1="});
    AquabillMain::setValue(d.find<QCheckBox>("AutoSave"), 2);
    AquabillMain::setValue(d.find<QCheckBox>("OnTop"), 2);
    w.RunOnTopSetting = 3;
    w.StoredDisc1PT = QStringLiteral("0.5");
    w.StoredDisc2FT = QStringLiteral("1.5");  // any number from 1 to 2 passes
    w.StoredLogLevel = 1.5f;                   // but the log level must be whole
    w.StoredPSize = QStringLiteral("3");
    w.StoredVUnits = 0;
    w.PendingMessage = QStringLiteral("Earlier\n");
    w.CheckSettings(true, true);
    QCOMPARE(w.PendingMessage,
             "Earlier\n"
                 + lines({"Auto Save must be 1 or 2", "Discount 1 Percent Control must be 1 or 2", "Run On Top must be 1 or 2",
                          "Log Level must be 1 or 2", "Run On Top must be 1 or 2", "Monthly must be 1 or 2",
                          "Volume Units must be 1 or 2", "Water Volume Charge must be between 0.10 and 9.99",
                          "Sewage Volume Charge must be 0 or between 0.10 and 9.99",
                          "Prediction Period must be either 0 or between 1 and 4",
                          "Water Fixed Charge must be either 0 or between 5 and 99",
                          "Sewage Fixed Charge must be either 0 or between 5 and 99",
                          "Discount 1 must be either 0 or between 1 and 99", "Discount 2 must be either 0 or between 1 and 99",
                          "VAT Rate must be between 0 and 50%", "Sewage Volume Allowance must be 0 or between 10 and 100"}));
    QCOMPARE(d.text("CheapR"), QStringLiteral("1"));  // only the symbol came off
    QCOMPARE(d.text("NormalR2"), QStringLiteral("20"));

    // A greyed Period box is refused, and its prediction is still checked.
    validSettings(d);
    AquabillMain::setValue(d.find<QCheckBox>("Period"), 2);
    d.type("PRate", "7");
    w.CheckSettings(true, true);
    QCOMPARE(w.PendingMessage, lines({"Monthly must be 1 or 2", "Prediction Period must be either 0 or between 1 and 4"}));
}

void TestSettingsCheck::windowCommandsRunTheCheck()
{
    WindowDriver d;
    QVERIFY(d.start());
    validSettings(d);
    typeAll(d, {"NormalR1=1.3", "SCharge=3", "VAT=0", "BPoint=95"});
    d.click("Clear");
    QCOMPARE(d.text("NormalR1"), QStringLiteral("£1.3000"));
    QCOMPARE(d.text("SCharge"), QStringLiteral("£3.00"));
    QCOMPARE(d.text("VAT"), QString());
    QCOMPARE(d.text("BPoint"), QStringLiteral("95.0"));

    // Saving refuses a bad tariff with all messages in one box and keeps the file.
    const QByteArray saved = d.folder.read("Data/Aquabill.ini");
    typeAll(d, {"SCharge=£100", "Disc2=5e300"});
    d.click("Save_Defaults");
    QCOMPARE(d.lastMessage().title, QStringLiteral("Aquabill Data Error"));
    QCOMPARE(d.lastMessage().icon, platform::Icon::Exclamation);
    QCOMPARE(d.lastMessage().text, lines({"Water Fixed Charge must be either 0 or between 5 and 99",
                                          "Discount 2 must be either 0 or between 1 and 99"}));
    QCOMPARE(d.folder.read("Data/Aquabill.ini"), saved);
}

void TestSettingsCheck::switchedOffChecksStillRenderAndDress()
{
    WindowDriver d(gb, QStringLiteral("-InhibitErrorCheck"));
    QVERIFY(d.start());
    validSettings(d);
    d.window->StoredVUnits = 7;
    typeAll(d, {"SCharge=100", "VAT=0.5", "NormalR1=", "CheapR=12abc", "BPoint=abc"});
    d.window->PendingMessage = QStringLiteral("Earlier\n");
    d.window->CheckSettings(true, true);
    QCOMPARE(d.window->PendingMessage, QString());
    QCOMPARE(d.text("SCharge"), QStringLiteral("£100.00"));
    QCOMPARE(d.text("VAT"), QStringLiteral("0.5"));
    QCOMPARE(d.text("NormalR1"), QString());
    // Unreadable text is left for the arithmetic to fail on, never made a number;
    // text that reads as 0 is emptied like a 0.
    QCOMPARE(d.text("CheapR"), QStringLiteral("£12abc"));
    QCOMPARE(d.text("BPoint"), QString());
    d.window->CheckSettings(true, false);
    QCOMPARE(d.text("CheapR"), QStringLiteral("12abc"));
}

void TestSettingsCheck::dressesMoneyResults_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    auto row = [](const char *name, const QLocale &l, const char *box, const QString &before, const QString &after) {
        QTest::newRow(name) << l << QString(box) << before << after;
    };
    const QString nbsp(QChar(0x00A0));  // the locale's space between amount and symbol
    row("plain cost gets the current symbol", gb, "NR2CostP", "$12.50", "£12.50");
    row("plain zero stays", gb, "NR2Cost", "0", "0");
    row("plain cost without symbol keeps its digits", gb, "CRCost", "12.50", "£12.50");
    row("plain negative keeps its sign", gb, "NR1CostP", "-£5.00", "-£5.00");
    row("signed negative", gb, "TCost", "-12.5", "-£12.50");
    row("signed grouped", gb, "TVCost", "1234.567", "£1,234.57");
    row("signed half cent", gb, "CDay", "0.125", "£0.13");
    row("predicted discount 2 zero is emptied", gb, "D2CostP", "0", "");
    row("predicted discount 1 zero is shown", gb, "D1CostP", "0", "£0.00");
    row("signed unreadable keeps its text", gb, "VCost", "12abc", "£12abc");
    row("de plain cost keeps every digit", de, "NR1Cost", "35,00 €", "35,00 €");
    row("de signed negative grouped", de, "TVCost", "-1234.5", "-1.234,50" + nbsp + "€");
    row("C signed", cLocale, "TSChargeP", "12.5", "12.50");
}

void TestSettingsCheck::dressesMoneyResults()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, after);
    WindowDriver d(locale);
    QVERIFY(d.start());
    validSettings(d);
    d.find<QLineEdit>(box)->setText(before);
    d.window->RefreshResultCurrency();
    QCOMPARE(d.text(box), after);
    d.window->CheckSettings(true, true);  // which ends with the same dressing
    QCOMPARE(d.text(box), after);
}

QTEST_MAIN(TestSettingsCheck)
#include "test_settings_check.moc"
