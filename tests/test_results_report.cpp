#include "support/window_driver.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

// The report a saved calculation appends to the results log. The result boxes
// are filled by hand, as Calculate leaves them, and the report is saved.
class TestResultsReport : public QObject {
    Q_OBJECT

private slots:
    void savedReportMatchesTheWorkedExample();
    void linesFollowTheOptionsAndFields_data();
    void linesFollowTheOptionsAndFields();
};

namespace {

const QStringList workedExample = {
    u"Date1=01/03/2017"_s, u"Date2=01/09/2017"_s, u"TDays=184"_s, u"NR1Cost=£87.19"_s, u"R1Units=56.5"_s,
    u"NormalR1=£1.5432"_s, u"SCharge=£38.50"_s, u"TSCharge=£38.50"_s, u"R2Units=53.7"_s, u"NR2Cost=£112.95"_s,
    u"BPoint=95.0"_s, u"NormalR2=£2.1034"_s, u"CheapR=£42.75"_s, u"CRCost=£42.75"_s, u"Disc1=5.00"_s,
    u"TCost=£281.39"_s, u"D1Cost=£14.07"_s, u"VAT=17.5"_s, u"VCost=£46.78"_s, u"Disc2=£10.00"_s,
    u"D2Cost=£10.00"_s, u"TVCost=£304.10"_s, u"CDay=£1.65"_s, u"UDay=307.1"_s, u"PRate=2"_s, u"TDaysP=365"_s,
    u"NR1CostP=£173.76"_s, u"R1UnitsP=112.6"_s, u"TSChargeP=£77.00"_s, u"NR2CostP=£225.06"_s,
    u"R2UnitsP=107.0"_s, u"CRCostP=£85.50"_s, u"TCostP=£561.32"_s, u"D1CostP=£28.07"_s, u"VCostP=£93.32"_s,
    u"D2CostP=£10.00"_s, u"TVCostP=£616.57"_s,
};

// Ticks first, as their handlers clear results and rewrite captions, then
// the texts.
void fill(WindowDriver &d, const QStringList &settings)
{
    AquabillMain &w = *d.window;
    w.ChargePeriods = 1;
    w.CostBeforeTax = u"£267.32"_s;
    w.CostBeforeDiscount2 = u"£314.10"_s;
    w.PredCostBeforeTax = u"£533.25"_s;
    w.PredCostBeforeDiscount2 = u"£626.57"_s;
    QHash<QString, int> ticks = {{u"Period"_s, 0}, {u"VolUnits1"_s, 0}, {u"Disc1P"_s, 1}, {u"Disc2F"_s, 1}};
    QStringList texts = workedExample;
    for (const QString &setting : settings) {
        const QString name = setting.section(u'=', 0, 0);
        if (ticks.contains(name))
            ticks[name] = setting.section(u'=', 1).toInt();
        else
            texts << setting;
    }
    for (auto tick = ticks.cbegin(); tick != ticks.cend(); ++tick)
        AquabillMain::setValue(d.find<QCheckBox>(tick.key()), tick.value());
    d.find<QPlainTextEdit>(u"Notes"_s)->setPlainText(u"Bill for spring and summer"_s);
    for (const QString &setting : texts) {
        const QString name = setting.section(u'=', 0, 0);
        const QString value = setting.section(u'=', 1);
        if (name == u"ChargePeriods")
            w.ChargePeriods = value.toFloat();
        else
            d.find<QLineEdit>(name)->setText(value);
    }
}

// What saving the prepared report appends to the results log.
QString savedReport(WindowDriver &d)
{
    const QByteArray before = d.folder.read(u"Log/Aquabill.log"_s);
    d.window->FormatResultsReport();
    d.window->HistoryText = u"entry"_s;
    d.find<QPushButton>(u"Save"_s)->setEnabled(true);
    d.click(u"Save"_s);
    const QByteArray after = d.folder.read(u"Log/Aquabill.log"_s);
    if (!after.startsWith(before))
        return QString();
    return QString::fromLatin1(after.mid(before.size()));  // Latin-1 agrees with Windows-1252 on "£"
}

}  // namespace

void TestResultsReport::savedReportMatchesTheWorkedExample()
{
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, {});
    const QString expected = QStringList{
        u"05/12/2026 10:15:42"_s,
        u"Bill for spring and summer"_s,
        u""_s,
        u"Cost To Date (184 Days)"_s,
        u"-----------------------"_s,
        u"From                        : 01/03/2017"_s,
        u"To                          : 01/09/2017"_s,
        u"Period                      :     1     (Number Complete & Part 6 Months)"_s,
        u"Water Units Cost            :   £87.19    56.5 units at £1.5432 per Cubic Metre"_s,
        u"Water Fixed Charge          :   £38.50  1 * 6 Months at £38.50 per 6 Months"_s,
        u"Sewerage Units Cost ( 95.0%):  £112.95    53.7 units at £2.1034 per Cubic Metre"_s,
        u"Sewerage Fixed Charge       :   £42.75  1 * 6 Months at £42.75 per 6 Months"_s,
        u"Cost before Discount 1      :  £281.39"_s,
        u"Discount 1                  :  -£14.07  at  5.00%"_s,
        u"Cost before VAT             :  £267.32"_s,
        u"VAT                         :   £46.78  at 17.50%"_s,
        u"Cost before Discount 2      :  £314.10"_s,
        u"Discount 2                  :  -£10.00  Fixed Discount"_s,
        u"Total Cost                  :  £304.10"_s,
        u"Cost per Day                :    £1.65"_s,
        u"Units used per Day          :   307.1   Litres/Day:"_s,
        u""_s,
        u"Cost Prediction Over 2 * 6 Months (365 Days)"_s,
        u"--------------------------------------------"_s,
        u"From                        : 01/03/2017"_s,
        u"Water Units Cost            :  £173.76   112.6 units at £1.5432 per Cubic Metre"_s,
        u"Water Fixed Charge          :   £77.00  2 * 6 Months at £38.50 per 6 Months"_s,
        u"Sewerage Units Cost ( 95.0%):  £225.06   107.0 units at £2.1034 per Cubic Metre"_s,
        u"Sewerage Fixed Charge       :   £85.50  2 * 6 Months at £42.75 per 6 Months"_s,
        u"Cost before Discount 1      :  £561.32"_s,
        u"Discount 1                  :  -£28.07  at  5.00%"_s,
        u"Cost before VAT             :  £533.25"_s,
        u"VAT                         :   £93.32  at 17.50%"_s,
        u"Cost before Discount 2      :  £626.57"_s,
        u"Discount 2                  :  -£10.00  Fixed Discount"_s,
        u"Total Cost                  :  £616.57"_s,
        QString(79, u'-'),
        u""_s,
        u""_s,
    }.join(u"\r\n"_s) + u"\r\n"_s;
    QCOMPARE(savedReport(d), expected);
}

void TestResultsReport::linesFollowTheOptionsAndFields_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QString rule = QString(79, u'-');
    QTest::newRow("no prediction")
        << QStringList{u"PRate=0"_s}
        << QStringList{u"Litres/Day:\r\n"_s + rule + u"\r\n\r\n\r\n"_s}
        << QStringList{u"Cost Prediction"_s, u"£616.57"_s};
    QTest::newRow("monthly, twelve months")
        << QStringList{u"Period=1"_s, u"PRate=12"_s, u"ChargePeriods=2"_s}
        << QStringList{u"Period                      :     2     (Number Complete & Part Months)\r\n"_s,
                       u":   £38.50  2 Month(s)   at £38.50 per Month\r\n"_s,
                       u"Cost Prediction Over 12 Month(s)   (365 Days)\r\n"_s,
                       u":   £77.00 12 Month(s)   at £38.50 per Month\r\n"_s}
        << QStringList{u"6 Months"_s};
    QTest::newRow("day count of four digits")
        << QStringList{u"TDays=1000"_s, u"TDaysP=1095"_s}
        << QStringList{u"Cost To Date (000 Days)\r\n"_s, u"(095 Days)\r\n"_s}
        << QStringList{};
    QTest::newRow("no tax rate")
        << QStringList{u"VAT="_s}
        << QStringList{u"Cost before Discount 2      :  £314.10"_s}
        << QStringList{u"VAT"_s};
    QTest::newRow("no discounts")
        << QStringList{u"Disc1="_s, u"Disc2="_s}
        << QStringList{u"£42.75 per 6 Months\r\nCost before VAT"_s}
        << QStringList{u"Discount"_s};
    QTest::newRow("discounts as amounts")
        << QStringList{u"Disc1P=0"_s, u"Disc1=£2.00"_s, u"Disc2F=0"_s}
        << QStringList{u"Discount 1                  :  -£14.07\r\n"_s,
                       u"Discount 2                  :  -£10.00\r\n"_s}
        << QStringList{u"  at  "_s, u"Fixed Discount"_s};
    QTest::newRow("no water fixed charge")
        << QStringList{u"SCharge="_s}
        << QStringList{u"Water Fixed Charge          :\r\nSewerage Units Cost"_s}
        << QStringList{u"Water Fixed Charge          : "_s};
    QTest::newRow("no actual sewerage units")
        << QStringList{u"R2Units="_s}
        << QStringList{u"Sewerage Fixed Charge       :   £85.50"_s}
        << QStringList{u"Sewerage Units Cost"_s};
    QTest::newRow("no allowance, gallons")
        << QStringList{u"BPoint="_s, u"VolUnits1=1"_s}
        << QStringList{u"Sewerage Units Cost         :  £112.95    53.7 units at £2.1034 per 1000 Gallons\r\n"_s,
                       u"   307.1   Gal/Day:\r\n"_s}
        << QStringList{u"Cubic Metre"_s, u"%)"_s};
    QTest::newRow("values too long for their column")
        << QStringList{u"NR1Cost=£12,345.67"_s, u"TVCost=£123,456.78"_s}
        << QStringList{u"Water Units Cost            : 2,345.67    56.5"_s,
                       u"Total Cost                  :23,456.78\r\n"_s}
        << QStringList{};
}

void TestResultsReport::linesFollowTheOptionsAndFields()
{
    QFETCH(QStringList, settings);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    WindowDriver d;
    QVERIFY(d.start());
    fill(d, settings);
    const QString report = savedReport(d);
    QVERIFY(report.endsWith(QString(79, u'-') + u"\r\n\r\n\r\n"_s));
    for (const QString &text : present)
        QVERIFY2(report.contains(text), qPrintable(text + u"\n--- in ---\n"_s + report));
    for (const QString &text : absent)
        QVERIFY2(!report.contains(text), qPrintable(text + u"\n--- in ---\n"_s + report));
}

QTEST_MAIN(TestResultsReport)
#include "test_results_report.moc"
