#include "calc/bill.h"
#include "calc/calculation.h"
#include "calc/dates.h"
#include "calc/numbers.h"

namespace calc {

int predictionMonths(const Tariff &tariff, const QLocale &locale)
{
    const FieldTexts t(locale);
    int months = numbers::roundEven16(t.lead(tariff.predictionPeriods));
    if (tariff.monthly == 0 && months >= 1)
        months = numbers::roundEven16(t.full(tariff.predictionPeriods) * 6);
    return months;
}

bool prediction(const Tariff &tariff, const Readings &readings, int months, const Context &context, Results &results)
{
    const FieldTexts t(context.locale);
    if (t.lead(tariff.predictionPeriods) == 0)
        return false;

    // The coming period is measured from Date 1, the start of the interval
    // whose use it scales.
    const QDate date1 = context.dateIn(readings.date1);
    t.writeWhole(results.predictedDays, double(date1.daysTo(dates::addMonths(date1, months))));
    // The half unit is part of the estimate, not a rounding.
    Bill &bill = results.predicted;
    t.writeOneDecimal(bill.waterUnits,
                      t.full(results.actual.waterUnits) * (t.full(results.predictedDays) / t.full(results.days)) + 0.5);

    // The fixed charges follow the periods asked for, not those measured.
    priceBill(tariff, bill, t.full(tariff.predictionPeriods), t);
    showBillSigns(bill, t);
    return true;
}

}  // namespace calc
