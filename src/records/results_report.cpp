#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "calc/dates.h"
#include "calc/numbers.h"
#include "records/record_texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

using records::rightAligned;

void AquabillMain::FormatResultsReport()
{
    guarded(QStringLiteral("Save Log Error"), [&] {
        StepCode = 241;
        const bool monthly = value(c.Period) == 1;
        const QString suffix = monthly ? QStringLiteral(" Month(s)  ") : QStringLiteral(" * 6 Months");
        const QString plural = monthly ? QStringLiteral("Months") : QStringLiteral("6 Months");
        const QString singular = monthly ? QStringLiteral("Month") : QStringLiteral("6 Months");
        const QString unit = value(c.VolUnits1) == 1 ? QStringLiteral(" 1000 Gallons") : QStringLiteral(" Cubic Metre");
        const QString allowance = numbers::leading(c.BPoint->text()) != 0
                                      ? QStringLiteral("(") + rightAligned(c.BPoint->text(), 5) + QStringLiteral("%)")
                                      : QString(8, u' ');
        const QString tax = c.VATH->text().left(3);
        const QString periods = numbers::plain(LastResults.chargePeriods);
        const bool sewerage = numbers::leading(c.R2Units->text()) != 0;
        auto present = [](const QLineEdit *box) { return !box->text().isEmpty(); };
        auto text = [](const QLineEdit *box) { return box->text(); };
        // The boxes show a negative amount as its magnitude, the colour telling
        // the sign; the report has no colour, so it writes the sign.
        auto amount = [](const QLineEdit *box, bool negative) { return negative ? u'-' + box->text() : box->text(); };
        auto deduction = [](const QLineEdit *box, bool negative) { return negative ? box->text() : u'-' + box->text(); };
        const calc::Bill::Negative &actual = LastResults.actual.negative, &predicted = LastResults.predicted.negative;

        QStringList lines;
        // Notes of several lines keep the file's CR LF line ends.
        QString notes = c.Notes->toPlainText();
        notes.replace(u'\n', records::crlf);
        lines << dates::shortDateTime(desktop().now(), locale()) << notes << QString();
        lines << QStringLiteral("Cost To Date (") + rightAligned(text(c.TDays), 3) + QStringLiteral(" Days)")
              << QStringLiteral("-----------------------")
              << QStringLiteral("From                        : ") + text(c.Date1)
              << QStringLiteral("To                          : ") + text(c.Date2)
              << QStringLiteral("Period                      :") + rightAligned(periods, 6)
                     + QStringLiteral("     (Number Complete & Part ") + plural + QStringLiteral(")")
              << QStringLiteral("Water Units Cost            : ") + rightAligned(text(c.NR1Cost), 8) + u' '
                     + rightAligned(text(c.R1Units), 7) + QStringLiteral(" units at ") + text(c.NormalR1)
                     + QStringLiteral(" per") + unit;
        if (present(c.SCharge))
            lines << QStringLiteral("Water Fixed Charge          : ") + rightAligned(text(c.TSCharge), 8) + u' '
                         + rightAligned(periods, 2) + suffix + QStringLiteral(" at ") + text(c.SCharge)
                         + QStringLiteral(" per ") + singular;
        if (sewerage)
            lines << QStringLiteral("Sewerage Units Cost ") + allowance + QStringLiteral(": ")
                         + rightAligned(text(c.NR2Cost), 8) + u' ' + rightAligned(text(c.R2Units), 7)
                         + QStringLiteral(" units at ") + text(c.NormalR2) + QStringLiteral(" per") + unit;
        if (present(c.CheapR))
            lines << QStringLiteral("Sewerage Fixed Charge       :") + rightAligned(text(c.CRCost), 9) + u' '
                         + rightAligned(periods, 2) + suffix + QStringLiteral(" at ") + text(c.CheapR)
                         + QStringLiteral(" per ") + singular;

        // The discount and tax lines are the same in both parts but for their
        // amounts.
        auto deductions = [&](const QString &total, const QString &discount1, const QString &beforeTax,
                              const QString &taxAmount, const QString &beforeDiscount2, const QString &discount2) {
            if (present(c.Disc1)) {
                lines << QStringLiteral("Cost before Discount 1      :") + rightAligned(total, 9);
                QString line = QStringLiteral("Discount 1                  :") + rightAligned(discount1, 9);
                if (value(c.Disc1P) == 1)
                    line += QStringLiteral("  at ") + rightAligned(text(c.Disc1) + u'%', 6);
                lines << line;
            }
            if (present(c.VAT)) {
                lines << QStringLiteral("Cost before ") + tax + QStringLiteral("             :") + rightAligned(beforeTax, 9)
                      << tax + QStringLiteral("                         :") + rightAligned(taxAmount, 9)
                             + QStringLiteral("  at ") + rightAligned(text(c.VAT) + QStringLiteral("0%"), 6);
            }
            if (present(c.Disc2)) {
                lines << QStringLiteral("Cost before Discount 2      :") + rightAligned(beforeDiscount2, 9);
                QString line = QStringLiteral("Discount 2                  :") + rightAligned(discount2, 9);
                if (value(c.Disc2F) == 1)
                    line += QStringLiteral("  Fixed Discount");
                lines << line;
            }
        };
        deductions(amount(c.TCost, actual.subTotal), deduction(c.D1Cost, actual.discount1),
                   LastResults.actual.costBeforeTax, text(c.VCost), LastResults.actual.costBeforeDiscount2,
                   deduction(c.D2Cost, actual.discount2));
        lines << QStringLiteral("Total Cost                  :") + rightAligned(amount(c.TVCost, actual.total), 9)
              << QStringLiteral("Cost per Day                :") + rightAligned(amount(c.CDay, LastResults.costPerDayNegative), 9)
              << QStringLiteral("Units used per Day          :") + rightAligned(text(c.UDay), 8) + QStringLiteral("   ")
                     + c.UDayL->text();

        StepCode = 242;
        if (numbers::leading(c.PRate->text()) != 0) {
            lines << QString()
                  << QStringLiteral("Cost Prediction Over ") + text(c.PRate) + suffix + QStringLiteral(" (")
                         + rightAligned(text(c.TDaysP), 3) + QStringLiteral(" Days)")
                  << QString(44, u'-') << QStringLiteral("From                        : ") + text(c.Date1)
                  << QStringLiteral("Water Units Cost            : ") + rightAligned(text(c.NR1CostP), 8) + u' '
                         + rightAligned(text(c.R1UnitsP), 7) + QStringLiteral(" units at ") + text(c.NormalR1)
                         + QStringLiteral(" per") + unit;
            // Unlike its actual twin the predicted fixed-charge line keeps its
            // label when there is no charge.
            QString fixed = QStringLiteral("Water Fixed Charge          :");
            if (present(c.SCharge))
                fixed += u' ' + rightAligned(text(c.TSChargeP), 8) + u' ' + rightAligned(text(c.PRate), 2) + suffix
                         + QStringLiteral(" at ") + text(c.SCharge) + QStringLiteral(" per ") + singular;
            lines << fixed;
            if (sewerage)
                lines << QStringLiteral("Sewerage Units Cost ") + allowance + QStringLiteral(": ")
                             + rightAligned(text(c.NR2CostP), 8) + u' ' + rightAligned(text(c.R2UnitsP), 7)
                             + QStringLiteral(" units at ") + text(c.NormalR2) + QStringLiteral(" per") + unit;
            if (present(c.CheapR))
                lines << QStringLiteral("Sewerage Fixed Charge       : ") + rightAligned(text(c.CRCostP), 8) + u' '
                             + rightAligned(text(c.PRate), 2) + suffix + QStringLiteral(" at ") + text(c.CheapR)
                             + QStringLiteral(" per ") + singular;
            deductions(amount(c.TCostP, predicted.subTotal), deduction(c.D1CostP, predicted.discount1),
                       LastResults.predicted.costBeforeTax, text(c.VCostP), LastResults.predicted.costBeforeDiscount2,
                       deduction(c.D2CostP, predicted.discount2));
            lines << QStringLiteral("Total Cost                  :") + rightAligned(amount(c.TVCostP, predicted.total), 9);
        }
        // The closing rule, then an empty line; the append adds the last line end.
        lines << QString(79, u'-') << QString() << QString();
        ResultsText = lines.join(records::crlf);
    });
}
