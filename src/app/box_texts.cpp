#include "app/box_texts.h"

#include "app/aquabill_main.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>
#include <utility>

namespace boxes {

namespace {

using Field = std::pair<QLineEdit *, QString calc::Tariff::*>;

std::array<Field, 9> tariffFields(const Controls &c)
{
    using T = calc::Tariff;
    return {{{c.NormalR1, &T::waterVolumeCharge},
             {c.SCharge, &T::waterFixedCharge},
             {c.NormalR2, &T::sewageVolumeCharge},
             {c.CheapR, &T::sewageFixedCharge},
             {c.BPoint, &T::sewageAllowance},
             {c.VAT, &T::taxRate},
             {c.Disc1, &T::discount1},
             {c.Disc2, &T::discount2},
             {c.PRate, &T::predictionPeriods}}};
}

std::array<std::pair<QLineEdit *, QString calc::Bill::*>, 12> billFields(const Controls &c, bool predicted)
{
    using B = calc::Bill;
    auto pick = [predicted](QLineEdit *actual, QLineEdit *prediction) { return predicted ? prediction : actual; };
    return {{{pick(c.R1Units, c.R1UnitsP), &B::waterUnits},
             {pick(c.NR1Cost, c.NR1CostP), &B::waterCost},
             {pick(c.R2Units, c.R2UnitsP), &B::sewageUnits},
             {pick(c.NR2Cost, c.NR2CostP), &B::sewageCost},
             {pick(c.TSCharge, c.TSChargeP), &B::waterFixed},
             {pick(c.CRCost, c.CRCostP), &B::sewageFixed},
             {pick(c.TFCharge, c.TFChargeP), &B::fixedTotal},
             {pick(c.TCost, c.TCostP), &B::subTotal},
             {pick(c.D1Cost, c.D1CostP), &B::discount1},
             {pick(c.VCost, c.VCostP), &B::tax},
             {pick(c.D2Cost, c.D2CostP), &B::discount2},
             {pick(c.TVCost, c.TVCostP), &B::total}}};
}

void write(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

}  // namespace

calc::Tariff tariffIn(const Controls &c)
{
    calc::Tariff tariff;
    for (const auto &[box, member] : tariffFields(c))
        tariff.*member = box->text();
    tariff.gallons = AquabillMain::value(c.VolUnits1);
    tariff.monthly = AquabillMain::value(c.Period);
    tariff.discount1Percent = AquabillMain::value(c.Disc1P);
    tariff.discount2Fixed = AquabillMain::value(c.Disc2F);
    tariff.autoSave = AquabillMain::value(c.AutoSave);
    tariff.onTop = AquabillMain::value(c.OnTop);
    tariff.noHistory = AquabillMain::value(c.NoHistory);
    return tariff;
}

void show(const Controls &c, const calc::Tariff &tariff)
{
    for (const auto &[box, member] : tariffFields(c))
        write(box, tariff.*member);
}

calc::Readings readingsIn(const Controls &c)
{
    return {c.Date1->text(), c.NRead1->text(), c.Date2->text(), c.NRead2->text(), c.Notes->toPlainText()};
}

void show(const Controls &c, const calc::Readings &readings)
{
    write(c.Date1, readings.date1);
    write(c.NRead1, readings.reading1);
    write(c.Date2, readings.date2);
    write(c.NRead2, readings.reading2);
    if (c.Notes->toPlainText() != readings.notes)
        c.Notes->setPlainText(readings.notes);
}

calc::Results resultsIn(const Controls &c, const calc::Results &last)
{
    calc::Results results = last;
    results.days = c.TDays->text();
    results.unitsPerDay = c.UDay->text();
    results.costPerDay = c.CDay->text();
    results.predictedDays = c.TDaysP->text();
    for (const bool predicted : {false, true}) {
        calc::Bill &bill = predicted ? results.predicted : results.actual;
        for (const auto &[box, member] : billFields(c, predicted))
            bill.*member = box->text();
    }
    return results;
}

void show(const Controls &c, const calc::Results &results)
{
    write(c.TDays, results.days);
    write(c.UDay, results.unitsPerDay);
    write(c.CDay, results.costPerDay);
    write(c.TDaysP, results.predictedDays);
    for (const bool predicted : {false, true}) {
        const calc::Bill &bill = predicted ? results.predicted : results.actual;
        for (const auto &[box, member] : billFields(c, predicted))
            write(box, bill.*member);
    }
}

}  // namespace boxes
