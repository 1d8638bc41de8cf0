#include "calc/bill.h"

namespace calc {

void priceBill(const Tariff &tariff, Bill &bill, double periods, const FieldTexts &t)
{
    const bool sewerage = t.lead(tariff.sewageAllowance) != 0;

    t.writeCurrency(bill.waterCost, t.full(tariff.waterVolumeCharge) * t.lead(bill.waterUnits));
    if (sewerage) {
        t.writeOneDecimal(bill.sewageUnits, t.full(bill.waterUnits) * t.full(tariff.sewageAllowance) / 100);
        t.writeCurrency(bill.sewageCost, t.full(bill.sewageUnits) * t.full(tariff.sewageVolumeCharge));
    } else {
        bill.sewageUnits = QStringLiteral("0");
        bill.sewageCost = QStringLiteral("0");
    }

    for (QString *field : {&bill.sewageFixed, &bill.subTotal, &bill.waterFixed, &bill.fixedTotal, &bill.total,
                           &bill.discount1, &bill.discount2, &bill.tax})
        *field = QStringLiteral("0");

    if (t.lead(tariff.waterFixedCharge) != 0) {
        t.writeCurrency(bill.waterFixed, t.full(tariff.waterFixedCharge) * periods);
        bill.fixedTotal = bill.waterFixed;
    }
    if (t.lead(tariff.sewageFixedCharge) != 0) {
        t.writeCurrency(bill.sewageFixed, t.full(tariff.sewageFixedCharge) * periods);
        t.writeCurrency(bill.fixedTotal, t.full(bill.fixedTotal) + t.full(bill.sewageFixed));
    }
    // "0" is still the plain zero; anything longer is an amount to show as money.
    if (bill.fixedTotal.size() > 1)
        t.writeCurrency(bill.fixedTotal, t.full(bill.fixedTotal));
    if (t.full(bill.sewageFixed) == 0)
        bill.sewageFixed.clear();
    if (t.full(bill.fixedTotal) == 0)
        bill.fixedTotal.clear();

    t.writeCurrency(bill.subTotal, t.full(bill.waterCost));
    if (sewerage)
        t.writeCurrency(bill.subTotal, t.full(bill.subTotal) + t.full(bill.sewageCost));
    if (!bill.fixedTotal.isEmpty())
        t.writeCurrency(bill.subTotal, t.full(bill.subTotal) + t.full(bill.fixedTotal));

    if (t.lead(tariff.discount1) != 0) {
        if (tariff.discount1Percent == 0)
            t.writePlain(bill.discount1, t.full(tariff.discount1) * periods);
        else if (tariff.discount1Percent == 1)
            t.writePlain(bill.discount1, t.full(bill.subTotal) * (t.full(tariff.discount1) / 100));
    }
    t.writePlain(bill.total, t.full(bill.subTotal) - t.full(bill.discount1));
    bill.costBeforeTax = t.currencyText(t.full(bill.total));

    // The tax is taken from the unrounded total; the taxed total is money.
    if (t.lead(tariff.taxRate) != 0)
        t.writePlain(bill.tax, t.full(bill.total) * (t.full(tariff.taxRate) / 100));
    t.writeCurrency(bill.total, t.full(bill.total) * ((t.lead(tariff.taxRate) + 100) / 100));
    bill.costBeforeDiscount2 = t.currencyText(t.full(bill.total));

    if (t.lead(tariff.discount2) != 0) {
        if (tariff.discount2Fixed == 0)
            t.writePlain(bill.discount2, t.full(tariff.discount2) * periods);
        else if (tariff.discount2Fixed == 1)
            t.writePlain(bill.discount2, t.full(tariff.discount2));
    }
    t.writePlain(bill.total, t.full(bill.total) - t.full(bill.discount2));
}

void showBillSigns(Bill &bill, const FieldTexts &texts)
{
    bill.negative.discount1 = showMagnitude(bill.discount1, texts);
    bill.negative.discount2 = showMagnitude(bill.discount2, texts);
    bill.negative.subTotal = showMagnitude(bill.subTotal, texts);
    bill.negative.total = showMagnitude(bill.total, texts);
}

}  // namespace calc
