#pragma once

#include <QString>

namespace calc {

// One row of results, the actual cost or the prediction, as the boxes show
// them. Both rows are priced by the same tariff in the same order.
struct Bill {
    QString waterUnits, waterCost;
    QString sewageUnits, sewageCost;
    QString waterFixed, sewageFixed, fixedTotal;
    QString subTotal;
    QString discount1, tax, discount2;
    QString total;

    // The amounts shown as the magnitude of a negative one: the colour
    // tells the sign on screen, a minus in the report.
    struct Negative {
        bool subTotal = false, discount1 = false, discount2 = false, total = false;
    } negative;

    // The running total after Discount 1 and after tax, in currency form: the
    // report shows them, no box does.
    QString costBeforeTax, costBeforeDiscount2;
};

// Everything the calculation shows.
struct Results {
    QString days;                // between the readings
    QString unitsPerDay;         // litres or gallons
    QString costPerDay;
    bool costPerDayNegative = false;
    Bill actual;

    QString predictedDays;
    Bill predicted;

    // Charging periods between the two dates, complete and part.
    float chargePeriods = 0;
};

}  // namespace calc
