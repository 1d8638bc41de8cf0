#include "calc/bill.h"

#include "app/aquabill_main.h"

#include <QCheckBox>
#include <QLineEdit>

namespace calc {

BillStages priceBill(AquabillMain &window, const BillBoxes &bill, double periods)
{
    const Controls &c = window.controls();
    const FieldTexts t(window.locale());
    const bool sewerage = t.lead(c.BPoint) != 0;

    t.writeCurrency(bill.waterCost, t.full(c.NormalR1) * t.lead(bill.waterUnits));
    if (sewerage) {
        t.writeOneDecimal(bill.sewerageUnits, t.full(bill.waterUnits) * t.full(c.BPoint) / 100);
        t.writeCurrency(bill.sewerageCost, t.full(bill.sewerageUnits) * t.full(c.NormalR2));
    } else {
        bill.sewerageUnits->setText(QStringLiteral("0"));
        bill.sewerageCost->setText(QStringLiteral("0"));
    }

    for (QLineEdit *box : {bill.sewerageFixed, bill.subTotal, bill.waterFixed, bill.fixedTotal, bill.total,
                           bill.discount1, bill.discount2, bill.tax})
        box->setText(QStringLiteral("0"));

    if (t.lead(c.SCharge) != 0) {
        t.writeCurrency(bill.waterFixed, t.full(c.SCharge) * periods);
        bill.fixedTotal->setText(bill.waterFixed->text());
    }
    if (t.lead(c.CheapR) != 0) {
        t.writeCurrency(bill.sewerageFixed, t.full(c.CheapR) * periods);
        t.writeCurrency(bill.fixedTotal, t.full(bill.fixedTotal) + t.full(bill.sewerageFixed));
    }
    // "0" is still the plain zero; anything longer is an amount to show as money.
    if (bill.fixedTotal->text().size() > 1)
        t.writeCurrency(bill.fixedTotal, t.full(bill.fixedTotal));
    if (t.full(bill.sewerageFixed) == 0)
        bill.sewerageFixed->clear();
    if (t.full(bill.fixedTotal) == 0)
        bill.fixedTotal->clear();

    t.writeCurrency(bill.subTotal, t.full(bill.waterCost));
    if (sewerage)
        t.writeCurrency(bill.subTotal, t.full(bill.subTotal) + t.full(bill.sewerageCost));
    if (!bill.fixedTotal->text().isEmpty())
        t.writeCurrency(bill.subTotal, t.full(bill.subTotal) + t.full(bill.fixedTotal));

    if (t.lead(c.Disc1) != 0) {
        if (AquabillMain::value(c.Disc1P) == 0)
            t.writePlain(bill.discount1, t.full(c.Disc1) * periods);
        else if (AquabillMain::value(c.Disc1P) == 1)
            t.writePlain(bill.discount1, t.full(bill.subTotal) * (t.full(c.Disc1) / 100));
    }
    t.writePlain(bill.total, t.full(bill.subTotal) - t.full(bill.discount1));
    BillStages stages;
    stages.costBeforeTax = t.currencyText(t.full(bill.total));

    // The tax is taken from the unrounded total; the taxed total is money.
    if (t.lead(c.VAT) != 0)
        t.writePlain(bill.tax, t.full(bill.total) * (t.full(c.VAT) / 100));
    t.writeCurrency(bill.total, t.full(bill.total) * ((t.lead(c.VAT) + 100) / 100));
    stages.costBeforeDiscount2 = t.currencyText(t.full(bill.total));

    if (t.lead(c.Disc2) != 0) {
        if (AquabillMain::value(c.Disc2F) == 0)
            t.writePlain(bill.discount2, t.full(c.Disc2) * periods);
        else if (AquabillMain::value(c.Disc2F) == 1)
            t.writePlain(bill.discount2, t.full(c.Disc2));
    }
    t.writePlain(bill.total, t.full(bill.total) - t.full(bill.discount2));
    return stages;
}

calc::Bill::Negative showBillSigns(const BillBoxes &bill, const FieldTexts &texts)
{
    Bill::Negative negative;
    negative.discount1 = showSign(bill.discount1, texts, true);
    negative.discount2 = showSign(bill.discount2, texts, true);
    negative.subTotal = showSign(bill.subTotal, texts, false);
    negative.total = showSign(bill.total, texts, false);
    return negative;
}

}  // namespace calc
