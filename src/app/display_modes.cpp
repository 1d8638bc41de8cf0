#include "app/aquabill_main.h"

#include "calc/numbers.h"
#include "core/messages.h"
#include "settings/tariff_forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

double lead(const QLineEdit *box) { return numbers::leading(box->text()); }

bool vatMode(const QString &symbol)
{
    return symbol == QStringLiteral("€") || symbol == QStringLiteral("£");
}

}  // namespace

void AquabillMain::ClearReadings()
{
    guarded(messages::clearErrorTitle, [&] {
        StepCode = 211;
        for (QLineEdit *box : {c.Date1, c.Date2, c.NRead1, c.NRead2})
            box->clear();
        c.Notes->clear();
    });
}

void AquabillMain::ClearActualResults()
{
    guarded(messages::clearErrorTitle, [&] {
        StepCode = 221;
        for (QLineEdit *box : {c.TDays, c.R1Units, c.R2Units, c.NR1Cost, c.NR2Cost, c.CDay, c.UDay, c.CRCost, c.TFCharge,
                               c.TCost, c.TVCost, c.TSCharge, c.VCost, c.D1Cost, c.D2Cost})
            box->clear();
        // With its results gone the calculation is gone: nothing is left to
        // save, and the same inputs make a new calculation.
        c.Save->setEnabled(false);
        HistoryEntryPending = false;
        LastCalcSignature.clear();
    });
}

void AquabillMain::ClearPredictedResults()
{
    guarded(messages::clearErrorTitle, [&] {
        StepCode = 231;
        for (QLineEdit *box : {c.TDaysP, c.R1UnitsP, c.R2UnitsP, c.NR1CostP, c.NR2CostP, c.CRCostP, c.TFChargeP, c.TCostP,
                               c.TVCostP, c.TSChargeP, c.VCostP, c.D1CostP, c.D2CostP})
            box->clear();
    });
}

void AquabillMain::ApplyTaxName()
{
    CurrencySymbol = settings::currencySymbol(locale());
    if (vatMode(CurrencySymbol)) {
        c.VATH->setText(QStringLiteral("VAT:"));
        c.VAT->setToolTip(QStringLiteral("VAT Rate (0 or between 1 and 50%)"));
    } else {
        c.VATH->setText(QStringLiteral("Tax:"));
        c.VAT->setToolTip(QStringLiteral("Tax Rate (0 or between 0 and 50%)"));
    }
    const QString x = c.VATH->text().left(3);
    if (lead(c.VAT) == 0) {
        c.TCostP->setToolTip(QString());
        c.TCost->setToolTip(QString());
        c.TVCostP->setToolTip(QStringLiteral("Predicted Total Cost (no ") + x + QStringLiteral(")"));
        c.TVCost->setToolTip(QStringLiteral("Total Cost (no ") + x + QStringLiteral(")"));
    } else {
        c.TCostP->setToolTip(QStringLiteral("Predicted Total Cost (less ") + x + QStringLiteral(")"));
        c.TCost->setToolTip(QStringLiteral("Total Cost (less ") + x + QStringLiteral(")"));
        c.TVCostP->setToolTip(QStringLiteral("Predicted Total Cost (inc ") + x + QStringLiteral(")"));
        c.TVCost->setToolTip(QStringLiteral("Total Cost (inc ") + x + QStringLiteral(")"));
    }
}

void AquabillMain::ApplyTaxCaption()
{
    // The caption itself is set by ApplyTaxName, which runs whenever the currency is settled.
    const bool vat = vatMode(CurrencySymbol);
    c.VATH->setToolTip(vat ? QStringLiteral("VAT Rate (between 0 and 50%)") : QStringLiteral("Tax Rate (between 0 and 50%)"));
}

void AquabillMain::ApplyModeCaptions()
{
    QString range1;
    if (value(c.Disc1P) == 0) {
        c.Disc1L->setText(QString());
        range1 = QStringLiteral("( 0 or between 1 and 99)");
    } else {
        c.Disc1L->setText(QStringLiteral("%"));
        range1 = QStringLiteral("( 0 or between 1% and 30%)");
    }

    const bool monthly = value(c.Period) == 1;
    const QString unit = monthly ? QStringLiteral("month") : QStringLiteral("6 months");
    if (monthly) {
        c.PRateH->setText(QStringLiteral("m"));
        c.PRate->setToolTip(QStringLiteral("Prediction period (0 ( No Prediction) or between 1 and 24 Months)"));
    } else {
        c.PRateH->setText(QStringLiteral("* 6m"));
        c.PRate->setToolTip(QStringLiteral("Prediction period (0 ( No Prediction) or between 1 and 4 Six Month Periods)"));
    }

    ApplyTaxCaption();
    const bool vat = vatMode(CurrencySymbol);
    c.VCostL->setText(vat ? QStringLiteral("VAT") : QStringLiteral("Tax"));

    const QString x = c.VATH->text().left(3);
    c.TCost->setToolTip(QStringLiteral("Cost before discounts and ") + x);
    c.TCostP->setToolTip(QStringLiteral("Predicted cost before discounts and ") + x);

    const bool fixed2 = value(c.Disc2F) == 1;
    if (lead(c.VAT) == 0) {
        c.Disc1->setToolTip(QStringLiteral("Discount 1 per ") + unit + QStringLiteral(" ") + range1);
        c.Disc2->setToolTip(fixed2 ? QStringLiteral("Discount 2 ( 0 or between 1 and 99)")
                                   : QStringLiteral("Discount 2 per ") + unit + QStringLiteral(" ( 0 or between 1 and 99)"));
        c.D1Cost->setToolTip(QStringLiteral("Total Discount 1"));
        c.D1CostP->setToolTip(QStringLiteral("Predicted Total Discount 1"));
        c.D2Cost->setToolTip(QStringLiteral("Total Discount 2"));
        c.D2CostP->setToolTip(fixed2 ? QStringLiteral("Total Discount 2") : QStringLiteral("Predicted Total Discount 2"));
        c.VCost->setToolTip(QStringLiteral("Total ") + x);
        c.VCostP->setToolTip(QStringLiteral("Predicted Total ") + x);
        c.TVCost->setToolTip(QStringLiteral("Total Cost"));
        c.TVCostP->setToolTip(QStringLiteral("Predicted Total Cost"));
        return;
    }

    // With a tax rate set, the wording names the tax of the window's mode.
    const QString t = vat ? QStringLiteral("VAT") : QStringLiteral("Tax");
    c.Disc1->setToolTip(QStringLiteral("Discount 1 per ") + unit + QStringLiteral(" before ") + t + QStringLiteral(" ") + range1);
    c.Disc2->setToolTip(fixed2 ? QStringLiteral("Discount 2 after ") + t + QStringLiteral(" ( 0 or between 1 and 99)")
                               : QStringLiteral("Discount 2 per ") + unit + QStringLiteral(" after ") + t
                                     + QStringLiteral(" ( 0 or between 1 and 99)"));
    c.D1Cost->setToolTip(QStringLiteral("Total Discount 1 before ") + t);
    c.D1CostP->setToolTip(QStringLiteral("Predicted Total Discount 1 before ") + t);
    c.D2Cost->setToolTip(QStringLiteral("Total Discount 2 after ") + t);
    c.D2CostP->setToolTip((fixed2 ? QStringLiteral("Total Discount 2 after ") : QStringLiteral("Predicted Total Discount 2 after ")) + t);
    c.VCost->setToolTip(QStringLiteral("Total ") + t);
    c.VCostP->setToolTip(QStringLiteral("Predicted Total ") + t);
    c.TVCost->setToolTip(QStringLiteral("Total Cost (inc ") + t + QStringLiteral(")"));
    c.TVCostP->setToolTip(QStringLiteral("Predicted Total Cost (inc ") + t + QStringLiteral(")"));
}

void AquabillMain::TidyResults()
{
    for (QLineEdit *box : {c.R2Units, c.R2UnitsP}) {
        if (lead(box) == 0)
            box->clear();
    }
    // An amount is judged by the full parse: the leading one would read "0,05 €"
    // as nothing.
    for (QLineEdit *box : {c.NR2Cost, c.NR2CostP}) {
        if (!box->text().isEmpty() && numbers::isZeroAmount(box->text(), locale()))
            box->clear();
    }
    if (lead(c.PRate) == 0)
        ClearPredictedResults();
    const std::pair<QLineEdit *, std::pair<QLineEdit *, QLineEdit *>> byTariff[] = {
        {c.SCharge, {c.TSCharge, c.TSChargeP}},
        {c.Disc1, {c.D1Cost, c.D1CostP}},
        {c.Disc2, {c.D2Cost, c.D2CostP}},
        {c.VAT, {c.VCost, c.VCostP}},
    };
    for (const auto &[tariff, results] : byTariff) {
        if (tariff->text().isEmpty()) {
            results.first->clear();
            results.second->clear();
        }
    }
    ApplyModeCaptions();
}

void AquabillMain::Period_Click()
{
    if (Loading)
        return;
    PendingMessage.clear();
    ClearActualResults();
    ClearPredictedResults();
    TidyResults();
}

void AquabillMain::Disc2F_Click() { Period_Click(); }

void AquabillMain::Disc1P_Click()
{
    if (Loading)
        return;
    PendingMessage.clear();
    ClearActualResults();
    ClearPredictedResults();
    c.Disc1->clear();
    TidyResults();
}

void AquabillMain::VAT_Change()
{
    if (Loading)
        return;
    ApplyTaxName();
    ApplyModeCaptions();
}

void AquabillMain::VolUnits1_Click()
{
    const bool gallons = value(c.VolUnits1) == 1;
    const QString unit = gallons ? QStringLiteral("/1000 Gal") : QStringLiteral("/Cu m");
    c.WVChargeL->setText(unit);
    c.SVChargeL->setText(unit);
    c.UDayL->setText(gallons ? QStringLiteral("Gal/Day:") : QStringLiteral("Litres/Day:"));
}
