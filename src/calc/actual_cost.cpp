#include "app/aquabill_main.h"
#include "core/runtime_failure.h"
#include "calc/bill.h"
#include "calc/calc_steps.h"
#include "calc/dates.h"

#include <QCheckBox>
#include <QLineEdit>

namespace calc {

QDate dateIn(const AquabillMain &window, const QString &text)
{
    const std::optional<QDate> date = window.readDate(text);
    if (!date)
        throw RuntimeFailure(QStringLiteral("\"%1\" is not a date").arg(text));
    return *date;
}

void actualCost(AquabillMain &window)
{
    const Controls &c = window.controls();
    const FieldTexts t(window.locale());
    const QDate date1 = dateIn(window, c.Date1->text());
    const QDate date2 = dateIn(window, c.Date2->text());

    t.writeWhole(c.TDays, double(date1.daysTo(date2)));
    window.LastResults.chargePeriods = chargePeriods(date1, date2, AquabillMain::value(c.Period) == 1, t.lead(c.TDays));

    // Read back through its plain text, the difference loses the noise of the
    // binary subtraction (1234.3 - 1000.2 is 234.1, not 234.0999999999999).
    const double used = t.lead(FieldTexts::plainText(t.full(c.NRead2) - t.full(c.NRead1)));
    t.writeOneDecimal(c.R1Units, used);
    t.writeOneDecimal(c.UDay, t.lead(c.R1Units) * 1000 / t.full(c.TDays));

    const BillBoxes bill{c.R1Units, c.NR1Cost, c.R2Units, c.NR2Cost, c.TSCharge, c.CRCost, c.TFCharge, c.TCost,
                    c.D1Cost,  c.VCost,   c.D2Cost,  c.TVCost};
    const BillStages stages = priceBill(window, bill, double(window.LastResults.chargePeriods));
    window.LastResults.actual.costBeforeTax = stages.costBeforeTax;
    window.LastResults.actual.costBeforeDiscount2 = stages.costBeforeDiscount2;

    t.writePlain(c.CDay, t.full(c.TVCost) / t.full(c.TDays));
    window.LastResults.costPerDayNegative = showSign(c.CDay, t, false);
    window.LastResults.actual.negative = showBillSigns(bill, t);
}

}  // namespace calc
