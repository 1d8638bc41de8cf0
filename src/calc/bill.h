#pragma once

#include "calc/field_texts.h"
#include "calc/results.h"

#include <QList>

class AquabillMain;
class QLineEdit;

namespace calc {

// One row of result boxes: the actual cost or the prediction. Both are priced
// by the same tariff in the same order; only the number of charging periods
// that the fixed charges and per-period discounts are multiplied by differs.
struct BillBoxes {
    QLineEdit *waterUnits, *waterCost, *sewerageUnits, *sewerageCost;
    QLineEdit *waterFixed, *sewerageFixed, *fixedTotal, *subTotal;
    QLineEdit *discount1, *tax, *discount2, *total;
};

struct BillStages {
    QString costBeforeTax;        // after Discount 1, in currency form
    QString costBeforeDiscount2;  // after tax, in currency form
};

// Prices the water units already in bill.waterUnits and leaves the total in
// bill.total as plain text, each step written into its box and read back.
BillStages priceBill(AquabillMain &window, const BillBoxes &bill, double periods);

// Colours the discounts and totals by their sign; says which now show the
// magnitude of a negative amount.
calc::Bill::Negative showBillSigns(const BillBoxes &bill, const FieldTexts &texts);

}  // namespace calc
