#include "app/aquabill_main.h"
#include "calc/bill.h"
#include "calc/calc_steps.h"
#include "calc/dates.h"
#include "calc/numbers.h"

#include <QCheckBox>
#include <QLineEdit>

namespace calc {

int predictionMonths(const AquabillMain &window)
{
    const Controls &c = window.controls();
    const FieldTexts t(window.locale());
    int months = numbers::roundEven16(t.lead(c.PRate));
    if (AquabillMain::value(c.Period) == 0 && months >= 1)
        months = numbers::roundEven16(t.full(c.PRate) * 6);
    return months;
}

void prediction(AquabillMain &window, int months)
{
    const Controls &c = window.controls();
    const FieldTexts t(window.locale());
    if (t.lead(c.PRate) == 0)
        return;

    // The coming period is measured from Date 1, the start of the interval
    // whose use it scales.
    const QDate date1 = dateIn(window, c.Date1->text());
    t.writeWhole(c.TDaysP, double(date1.daysTo(dates::addMonths(date1, months))));
    // The half unit is part of the estimate, not a rounding.
    t.writeOneDecimal(c.R1UnitsP, t.full(c.R1Units) * (t.full(c.TDaysP) / t.full(c.TDays)) + 0.5);

    // The fixed charges follow the periods asked for, not those measured.
    const BillBoxes bill{c.R1UnitsP, c.NR1CostP, c.R2UnitsP, c.NR2CostP, c.TSChargeP, c.CRCostP, c.TFChargeP, c.TCostP,
                    c.D1CostP,  c.VCostP,   c.D2CostP,  c.TVCostP};
    const BillStages stages = priceBill(window, bill, t.full(c.PRate));
    window.LastResults.predicted.costBeforeTax = stages.costBeforeTax;
    window.LastResults.predicted.costBeforeDiscount2 = stages.costBeforeDiscount2;
    window.LastResults.predicted.negative = showBillSigns(bill, t);
}

}  // namespace calc
