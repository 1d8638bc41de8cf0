#include "support/window_driver.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Edits = QList<QPair<QString, QString>>;  // regular expression, replacement

const QString billFields =
    u"Period=0 VolUnits1=0 Disc1P=1 Disc2F=1 Date1=01/03/2017 Date2=01/09/2017 TDays=184 NR1Cost=£87.19 R1Units=56.5 "
    u"NormalR1=£1.5432 SCharge=£38.50 TSCharge=£38.50 R2Units=53.7 NR2Cost=£112.95 BPoint=95.0 NormalR2=£2.1034 "
    u"CheapR=£42.75 CRCost=£42.75 Disc1=5.00 TCost=£281.39 D1Cost=£14.07 VAT=17.5 VCost=£46.78 Disc2=£10.00 "
    u"D2Cost=£10.00 TVCost=£304.10 CDay=£1.65 UDay=307.1 PRate=2 TDaysP=365 NR1CostP=£173.76 R1UnitsP=112.6 "
    u"TSChargeP=£77.00 NR2CostP=£225.06 R2UnitsP=107.0 CRCostP=£85.50 TCostP=£561.32 D1CostP=£28.07 "
    u"VCostP=£93.32 D2CostP=£10.00 TVCostP=£616.57"_s;

const QString billReport = QString(uR"(05/12/2026 10:15:42
Bill for spring and summer

Cost To Date (184 Days)
-----------------------
From                        : 01/03/2017
To                          : 01/09/2017
Period                      :     1     (Number Complete & Part 6 Months)
Water Units Cost            :   £87.19    56.5 units at £1.5432 per Cubic Metre
Water Fixed Charge          :   £38.50  1 * 6 Months at £38.50 per 6 Months
Sewerage Units Cost ( 95.0%):  £112.95    53.7 units at £2.1034 per Cubic Metre
Sewerage Fixed Charge       :   £42.75  1 * 6 Months at £42.75 per 6 Months
Cost before Discount 1      :  £281.39
Discount 1                  :  -£14.07  at  5.00%
Cost before VAT             :  £267.32
VAT                         :   £46.78  at 17.50%
Cost before Discount 2      :  £314.10
Discount 2                  :  -£10.00  Fixed Discount
Total Cost                  :  £304.10
Cost per Day                :    £1.65
Units used per Day          :   307.1   Litres/Day:

Cost Prediction Over 2 * 6 Months (365 Days)
--------------------------------------------
From                        : 01/03/2017
Water Units Cost            :  £173.76   112.6 units at £1.5432 per Cubic Metre
Water Fixed Charge          :   £77.00  2 * 6 Months at £38.50 per 6 Months
Sewerage Units Cost ( 95.0%):  £225.06   107.0 units at £2.1034 per Cubic Metre
Sewerage Fixed Charge       :   £85.50  2 * 6 Months at £42.75 per 6 Months
Cost before Discount 1      :  £561.32
Discount 1                  :  -£28.07  at  5.00%
Cost before VAT             :  £533.25
VAT                         :   £93.32  at 17.50%
Cost before Discount 2      :  £626.57
Discount 2                  :  -£10.00  Fixed Discount
Total Cost                  :  £616.57
-------------------------------------------------------------------------------


)"_s).replace(u'\n', u"\r\n"_s);

}  // namespace

// The report a saved calculation appends to the results log. The boxes are
// filled by hand as Calculate leaves them for a six-monthly bill with both
// discounts, tax and a prediction; each case changes some of them and expects
// that bill's report with a few edits.
class TestResultsReport : public QObject {
    Q_OBJECT

private slots:
    void savedReport_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<Edits>("edits");
        QTest::newRow("every line") << QString() << Edits{};
        QTest::newRow("no prediction: the rule follows the actual part")
            << u"PRate=0"_s << Edits{{u"^\r\nCost Prediction(.*\r\n)*?Total Cost.*\r\n"_s, {}}};
        QTest::newRow("monthly") << u"Period=1"_s
                                 << Edits{{u"Part 6 Months"_s, u"Part Months"_s}, {u"per 6 Months"_s, u"per Month"_s},
                                          {u" \\* 6 Months"_s, u" Month(s)  "_s}};
        QTest::newRow("values too wide keep their right end")
            << u"TDays=1000 TDaysP=1095 NR1Cost=£12,345.67 TVCost=£123,456.78"_s
            << Edits{{u"184 Days"_s, u"000 Days"_s}, {u"365 Days"_s, u"095 Days"_s}, {u"  £87.19"_s, u"2,345.67"_s},
                     {u"  £304.10"_s, u"23,456.78"_s}};
        QTest::newRow("no tax, discounts or actual sewerage units")
            << u"VAT= Disc1= Disc2= R2Units="_s
            << Edits{{u"^(Cost before )?(VAT|Discount) .*\r\n"_s, {}}, {u"^Sewerage Units.*\r\n"_s, {}}};
        QTest::newRow("no water fixed charge: the predicted label stays")
            << u"SCharge="_s << Edits{{u"^Water Fixed.*  1 \\*.*\r\n"_s, {}}, {u" +£77.00[^\r]*"_s, {}}};
        QTest::newRow("discounts as amounts, no allowance, gallons")
            << u"Disc1P=0 Disc2F=0 BPoint= VolUnits1=1"_s
            << Edits{{u"  at  5.00%"_s, {}}, {u"  Fixed Discount"_s, {}}, {u"\\( 95.0%\\)"_s, u"        "_s},
                     {u"Cubic Metre"_s, u"1000 Gallons"_s}, {u"Litres"_s, u"Gal"_s}};
    }

    void savedReport()
    {
        QFETCH(QString, fields);
        QFETCH(Edits, edits);
        QString expected = billReport;
        for (const auto &[pattern, replacement] : edits) {
            const QRegularExpression edit(pattern, QRegularExpression::MultilineOption);
            QVERIFY2(expected.contains(edit), qPrintable(pattern));
            expected.replace(edit, replacement);
        }
        WindowDriver d;
        QVERIFY(d.start());
        AquabillMain &w = *d.window;
        w.Loading = true;  // keeps the tick handlers from emptying the boxes being filled
        for (const QString &field : (billFields + u' ' + fields).split(u' ', Qt::SkipEmptyParts)) {
            const QString name = field.section(u'=', 0, 0), value = field.section(u'=', 1);
            if (auto *box = w.findChild<QCheckBox *>(name))
                AquabillMain::setValue(box, value.toInt());
            else
                d.find<QLineEdit>(name)->setText(value);
        }
        w.Loading = false;
        d.find<QPlainTextEdit>(u"Notes"_s)->setPlainText(u"Bill for spring and summer"_s);
        w.ChargePeriods = 1;
        std::tie(w.CostBeforeTax, w.CostBeforeDiscount2, w.PredCostBeforeTax, w.PredCostBeforeDiscount2) =
            std::tuple(u"£267.32"_s, u"£314.10"_s, u"£533.25"_s, u"£626.57"_s);
        w.FormatResultsReport();

        d.platform.setNow(d.platform.now().addSecs(75));  // the stamp is the calculation's, not the save's
        const QString before = QString::fromLatin1(d.folder.read(u"Log/Aquabill.log"_s));
        d.find<QPushButton>(u"Save"_s)->setEnabled(true);
        d.click(u"Save"_s);
        // Latin-1 agrees with the code page on "£".
        QCOMPARE(QString::fromLatin1(d.folder.read(u"Log/Aquabill.log"_s)), before + expected);
    }
};

QTEST_MAIN(TestResultsReport)
#include "test_results_report.moc"
