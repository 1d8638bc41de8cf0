#include "support/window_driver.h"

#include "calc/dates.h"

#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

// The checks Calculate makes before it computes anything: every message, its
// order, and the boundaries each one allows.
class TestReadingChecks : public QObject {
    Q_OBJECT

private slots:
    void messagesInOrder_data();
    void messagesInOrder();
    void taxCaptionFollowsTheCurrency_data();
    void taxCaptionFollowsTheCurrency();
};

namespace {

// A valid monthly calculation; each row changes some of it.
const QStringList valid = {
    u"Date1=15/01/2019"_s, u"Date2=15/02/2019"_s, u"NRead1=100"_s, u"NRead2=200"_s, u"NormalR1=1.5"_s,
    u"NormalR2=2"_s,       u"BPoint=90"_s,        u"SCharge="_s,     u"CheapR="_s,     u"Disc1="_s,
    u"Disc2="_s,           u"VAT="_s,             u"PRate=1"_s,      u"Notes="_s,
};

const QString noReadings = u"No Meter Readings To Calculate\n"_s;
const QString date1Invalid = u"Date 1 must be a valid date\n"_s;
const QString date2Invalid = u"Date 2 must be a valid date\n"_s;
const QString reading1Range = u"Meter Reading 1 must be between 1 and 999900\n"_s;
const QString reading2Range = u"Meter Reading 2 must be between 3 and 999999\n"_s;
const QString date1Years = u"Date 1 must be between 1st Jan 2000 and 31st Dec 2020 than Date 1\n"_s;
const QString date2Years = u"Date 2 must be between 1st Jan 2000 and 31st Dec 2020 than Date 1\n"_s;
const QString gap = u"Date 2 must be at least 3 days later than Date 1\n"_s;
const QString difference = u"Meter Reading 2 must be at least 2 greater than Meter Reading 1\n"_s;
const QString allowanceMissing = u"The Sewage Volume Allowance must be set if the Sewage Volume Charge is set\n"_s;
const QString chargeMissing = u"The Sewage Volume Charge must be set if the Sewage Volume Allowance is set\n"_s;
const QString reach = u"Date 1 plus number months to predict forward must be greater than Date 2\n"_s;

}  // namespace

void TestReadingChecks::messagesInOrder_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("message");  // empty: the calculation completes
    const QStringList noneTyped = {u"Date1="_s, u"Date2="_s, u"NRead1="_s, u"NRead2="_s};
    QTest::newRow("valid") << QStringList{} << "";
    QTest::newRow("no readings at all") << noneTyped << noReadings;
    QTest::newRow("notes alone are no readings") << noneTyped + QStringList{u"Notes=x"_s} << noReadings;
    QTest::newRow("bad date and reading") << QStringList{u"Date1=32/01/2019"_s, u"NRead2=1000000"_s}
                                          << date1Invalid + reading2Range;
    QTest::newRow("every reading check") << QStringList{u"Date1=x"_s, u"Date2=x"_s, u"NRead1=0.9"_s, u"NRead2=2.9"_s}
                                         << date1Invalid + date2Invalid + reading1Range + reading2Range;
    QTest::newRow("settings come first, relations wait")
        << QStringList{u"NormalR1="_s, u"Date2=x"_s, u"BPoint="_s}
        << u"Water Volume Charge must be between 0.10 and 9.99\n"_s + date2Invalid;
    QTest::newRow("reading 1 above range") << QStringList{u"NRead1=999900.1"_s, u"NRead2=999999"_s} << reading1Range;
    QTest::newRow("reading limits") << QStringList{u"NRead1=999900"_s, u"NRead2=999999"_s} << "";
    QTest::newRow("lowest readings") << QStringList{u"NRead1=1"_s, u"NRead2=3"_s} << "";
    QTest::newRow("letters after a reading") << QStringList{u"NRead1=12abc"_s} << reading1Range;
    QTest::newRow("huge exponent") << QStringList{u"NRead2=5e300"_s} << reading2Range;
    QTest::newRow("grouped reading") << QStringList{u"NRead2=1,000"_s} << reading2Range;
    QTest::newRow("letters after the water charge") << QStringList{u"NormalR1=1.5abc"_s}
                                                    << u"Water Volume Charge must be between 0.10 and 9.99\n"_s;
    QTest::newRow("every relation") << QStringList{u"Date1=31/12/1999"_s, u"Date2=01/01/2021"_s, u"NRead2=101.9"_s,
                                                   u"BPoint="_s, u"PRate="_s}
                                    << date1Years + date2Years + difference + allowanceMissing;
    QTest::newRow("year limits") << QStringList{u"Date1=01/01/2000"_s, u"Date2=31/12/2020"_s, u"PRate="_s} << "";
    QTest::newRow("same day") << QStringList{u"Date2=15/01/2019"_s} << gap;
    QTest::newRow("two days") << QStringList{u"Date2=17/01/2019"_s} << gap;
    QTest::newRow("three days") << QStringList{u"Date2=18/01/2019"_s} << "";
    QTest::newRow("date 2 first") << QStringList{u"Date2=10/01/2019"_s} << gap;
    QTest::newRow("difference of 2") << QStringList{u"NRead2=102"_s} << "";
    QTest::newRow("allowance without charge") << QStringList{u"NormalR2="_s} << chargeMissing;
    QTest::newRow("charge in currency form without allowance") << QStringList{u"NormalR2=£2"_s, u"BPoint="_s}
                                                               << allowanceMissing;
    QTest::newRow("neither charge nor allowance") << QStringList{u"NormalR2="_s, u"BPoint="_s} << "";
    QTest::newRow("prediction ends a day early") << QStringList{u"Date2=16/02/2019"_s} << reach;
    QTest::newRow("six months reach") << QStringList{u"Period=0"_s, u"Date2=15/07/2019"_s} << "";
    QTest::newRow("six months fall short") << QStringList{u"Period=0"_s, u"Date2=16/07/2019"_s} << reach;
}

void TestReadingChecks::messagesInOrder()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, message);
    WindowDriver d;
    QVERIFY(d.start());
    const bool sixMonthly = changes.contains(u"Period=0"_s);
    if (d.ticked(u"Period"_s) == sixMonthly)
        d.click(u"Period"_s);
    for (const QString &field : valid + changes) {
        if (!field.startsWith(u"Period"))
            d.type(field.section(u'=', 0, 0), field.section(u'=', 1));
    }
    // A result from before must not survive a refusal.
    d.find<QLineEdit>(u"TDays"_s)->setText(u"9"_s);
    d.click(u"Calc"_s);

    if (message.isEmpty()) {
        QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
        QVERIFY(d.text(u"TDays"_s) != u"9"_s);
        return;
    }
    QVERIFY(!d.window->hasEnded());
    QCOMPARE(d.platform.shown.size(), 1);
    QCOMPARE(d.lastMessage().text, message);
    QCOMPARE(d.lastMessage().title, u"Aquabill Data Error"_s);
    QCOMPARE(d.lastMessage().icon, platform::Icon::Exclamation);
    QCOMPARE(d.window->PendingMessage, message);
    QCOMPARE(d.text(u"TDays"_s), QString());
    QVERIFY(!d.find<QPushButton>(u"Save"_s)->isEnabled());
}

void TestReadingChecks::taxCaptionFollowsTheCurrency_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("caption");
    QTest::newRow("pound") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "VAT:";
    QTest::newRow("euro") << QLocale(QLocale::English, QLocale::Ireland) << "VAT:";
    QTest::newRow("dollar") << QLocale(QLocale::English, QLocale::UnitedStates) << "Tax:";
}

// The dates are rewritten in the short form whatever form they were typed in.
void TestReadingChecks::taxCaptionFollowsTheCurrency()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, caption);
    WindowDriver d(locale);
    QVERIFY(d.start());
    for (const QString &field : valid)
        d.type(field.section(u'=', 0, 0), field.section(u'=', 1));
    d.type(u"Date1"_s, u"15-Jan-2019"_s);
    d.type(u"Date2"_s, u"2019-03-01"_s);
    d.type(u"PRate"_s, QString());
    d.click(u"Calc"_s);
    QVERIFY2(d.platform.shown.isEmpty(), qPrintable(d.lastMessage().text));
    QCOMPARE(d.text(u"VATH"_s), caption);
    QCOMPARE(d.find(u"VATH"_s)->toolTip(), caption.left(3) + u" Rate (between 0 and 50%)"_s);
    const QDate date1(2019, 1, 15), date2(2019, 3, 1);
    QCOMPARE(d.text(u"Date1"_s), dates::shortDate(date1, locale));
    QCOMPARE(d.text(u"Date2"_s), dates::shortDate(date2, locale));
    QCOMPARE(d.text(u"TDays"_s), u"45"_s);
}

QTEST_MAIN(TestReadingChecks)
#include "test_reading_checks.moc"
