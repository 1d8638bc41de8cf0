#pragma once

#include "calc/field_texts.h"
#include "calc/results.h"
#include "calc/tariff.h"

namespace calc {

// Prices the water units already in bill.waterUnits and leaves the total in
// bill.total as plain text, each step written into its field and read back;
// only the number of charging periods that the fixed charges and per-period
// discounts are multiplied by differs between the actual cost and the
// prediction.
void priceBill(const Tariff &tariff, Bill &bill, double periods, const FieldTexts &texts);

// The discounts and totals that are negative, shown as their magnitude.
void showBillSigns(Bill &bill, const FieldTexts &texts);

}  // namespace calc
