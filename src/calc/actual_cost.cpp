#include "calc/bill.h"
#include "calc/calculation.h"

namespace calc {

void actualCost(const Tariff &tariff, const Readings &readings, const Context &context, Results &results)
{
    const FieldTexts t(context.locale);
    const QDate date1 = context.dateIn(readings.date1);
    const QDate date2 = context.dateIn(readings.date2);

    t.writeWhole(results.days, double(date1.daysTo(date2)));
    results.chargePeriods = chargePeriods(date1, date2, tariff.monthly == 1, t.lead(results.days));

    // Read back through its plain text, the difference loses the noise of the
    // binary subtraction (1234.3 - 1000.2 is 234.1, not 234.0999999999999).
    Bill &bill = results.actual;
    const double used = t.lead(FieldTexts::plainText(t.full(readings.reading2) - t.full(readings.reading1)));
    t.writeOneDecimal(bill.waterUnits, used);
    t.writeOneDecimal(results.unitsPerDay, t.lead(bill.waterUnits) * 1000 / t.full(results.days));

    priceBill(tariff, bill, double(results.chargePeriods), t);

    t.writePlain(results.costPerDay, t.full(bill.total) / t.full(results.days));
    results.costPerDayNegative = showMagnitude(results.costPerDay, t);
    showBillSigns(bill, t);
}

void calculate(const Tariff &tariff, const Readings &readings, const Context &context, Results &results)
{
    const int months = predictionMonths(tariff, context.locale);
    actualCost(tariff, readings, context, results);
    prediction(tariff, readings, months, context, results);
}

}  // namespace calc
