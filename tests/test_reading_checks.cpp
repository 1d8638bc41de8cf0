#include "support/window_driver.h"

#include <QtTest>

// The checks Calculate makes before it computes anything: every message, its
// order, and the boundaries each one allows.
class TestReadingChecks : public QObject {
    Q_OBJECT

private slots:
    void refusesWithEveryMessageInOrder_data();
    void refusesWithEveryMessageInOrder();
};

// With the shipped tariff (monthly, sewerage charged with an allowance) one
// month is predicted from Date 1, which ends exactly on Date 2.
const QStringList valid = {"Date1=15/01/2019", "Date2=15/02/2019", "NRead1=100", "NRead2=200", "PRate=1"};

void TestReadingChecks::refusesWithEveryMessageInOrder_data()
{
    QTest::addColumn<QStringList>("changes");  // "Period" switches to six-monthly working
    QTest::addColumn<QString>("messages");     // empty: the calculation completes
    auto row = [](const char *name, QStringList steps, QString messages) { QTest::newRow(name) << steps << messages; };
    const QString reading1 = "Meter Reading 1 must be between 1 and 999900\n";
    const QString reading2 = "Meter Reading 2 must be between 3 and 999999\n";
    const QString reach = "Date 1 plus number months to predict forward must be greater than Date 2\n";
    row("only notes", {"Date1=", "Date2=", "NRead1=", "NRead2=", "Notes=x"}, "No Meter Readings To Calculate\n");
    row("below the ranges", {"Date1=x", "Date2=x", "NRead1=0.9", "NRead2=2.9"},
        "Date 1 must be a valid date\nDate 2 must be a valid date\n" + reading1 + reading2);
    row("above the ranges", {"Date1=32/01/2019", "NRead1=999900.1", "NRead2=1000000"},
        "Date 1 must be a valid date\n" + reading1 + reading2);
    row("settings come first, relations wait", {"NormalR1=", "Date2=x", "NRead1=12abc", "BPoint="},
        "Water Volume Charge must be between 0.10 and 9.99\nDate 2 must be a valid date\n" + reading1);
    row("lowest", {"Date1=01/01/2000", "Date2=04/01/2000", "NRead1=1", "NRead2=3", "NormalR2=", "BPoint="}, "");
    row("highest", {"Date2=31/12/2020", "NRead1=999900", "NRead2=999999", "PRate="}, "");
    row("relations, low", {"Date1=31/12/1999", "Date2=02/01/2000", "NRead2=101.9", "BPoint=", "PRate="},
        "Date 1 must be between 1st Jan 2000 and 31st Dec 2020 than Date 1\n"
        "Date 2 must be at least 3 days later than Date 1\n"
        "Meter Reading 2 must be at least 2 greater than Meter Reading 1\n"
        "The Sewage Volume Allowance must be set if the Sewage Volume Charge is set\n");
    row("relations, high", {"Date2=01/01/2021", "NormalR2="},
        "Date 2 must be between 1st Jan 2000 and 31st Dec 2020 than Date 1\n"
        "The Sewage Volume Charge must be set if the Sewage Volume Allowance is set\n" + reach);
    row("date 2 first", {"Date2=10/01/2019"}, "Date 2 must be at least 3 days later than Date 1\n");
    row("prediction a day short", {"Date2=16/02/2019"}, reach);
    row("six months reach", {"Period", "Date2=15/07/2019"}, "");
    row("six months a day short", {"Period", "Date2=16/07/2019"}, reach);
}

void TestReadingChecks::refusesWithEveryMessageInOrder()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, messages);
    WindowDriver d;
    QVERIFY(d.start());
    for (const QString &field : valid + changes)
        field == u"Period" ? d.click(field) : d.type(field.section(u'=', 0, 0), field.section(u'=', 1));
    d.find<QLineEdit>("TDays")->setText("9");  // a refusal must not leave an earlier result standing
    d.click("Calc");
    QCOMPARE(d.lastMessage().text, messages);
    QVERIFY(messages.isEmpty() || d.lastMessage().icon == platform::Icon::Exclamation);
    QVERIFY(messages.isEmpty() ? d.text("TDays") != "9" : d.text("TDays").isEmpty());
}

QTEST_MAIN(TestReadingChecks)
#include "test_reading_checks.moc"
