#pragma once

#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>

// The report of the worked example, a six-monthly bill with every charge, both
// discounts and tax, as the calculation of 10:15:42 on 5 December 2026 makes
// it: the text of one write, without the line end the append adds.
inline const QString workedReport = QStringLiteral(R"(05/12/2026 10:15:42
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

)").replace(u'\n', QStringLiteral("\r\n"));

using ReportEdits = QList<QPair<QString, QString>>;  // regular expression, replacement

// The worked report as a case changes it. An edit that matches nothing is a
// fault in the case itself, which would otherwise pass on the unchanged text.
inline QString editedReport(const ReportEdits &edits)
{
    QString report = workedReport;
    for (const auto &[pattern, replacement] : edits) {
        const QRegularExpression edit(pattern, QRegularExpression::MultilineOption);
        if (!report.contains(edit))
            qFatal("the edit %s matches nothing in the worked report", qPrintable(pattern));
        report.replace(edit, replacement);
    }
    return report;
}
