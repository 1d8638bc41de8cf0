#include "app/aquabill_main.h"

#include "app/box_texts.h"
#include "calc/calculation.h"
#include "calc/dates.h"
#include "calc/reading_checks.h"
#include "core/messages.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScopeGuard>

namespace {

// Dark grey for an amount owed, orange for a credit.
void shade(QLineEdit *box, bool credit)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, credit ? QColor(255, 128, 0) : QColor(51, 51, 51));
    box->setPalette(palette);
}

// A discount of zero or more is a credit, as is a negative total.
void shadeBySign(QLineEdit *discount1, QLineEdit *discount2, QLineEdit *subTotal, QLineEdit *total,
                 const calc::Bill::Negative &negative)
{
    shade(discount1, !negative.discount1);
    shade(discount2, !negative.discount2);
    shade(subTotal, negative.subTotal);
    shade(total, negative.total);
}

}  // namespace

void AquabillMain::Calc_Click()
{
    guarded(messages::calculationErrorTitle, [&] {
        StepCode = 101;
        PendingMessage.clear();
        CheckSettings(true, true);
        CheckReadings();
        StepCode = 102;
        if (PendingMessage.isEmpty())
            CheckConsistency();

        if (!PendingMessage.isEmpty()) {
            LastCalcSignature.clear();
            ClearActualResults();
            ClearPredictedResults();
            InputSignature.clear();
            desktop().message(PendingMessage, messages::dataErrorTitle, platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return;
        }

        // The money tariff fields hold bare numbers from here to the end.
        CheckSettings(true, false);
        StepCode = 103;
        const calc::Context context = calcContext();
        calc::Readings readings = boxes::readingsIn(c);
        {
            // A reading settled before a failure is shown settled, as the
            // error dump reports it.
            const auto showReadings = qScopeGuard([&] { boxes::show(c, readings); });
            calc::settleReadings(readings, context);
        }

        const calc::Tariff tariff = boxes::tariffIn(c);
        InputSignature = calc::inputSignature(tariff, readings, CurrencySymbol);
        if (InputSignature == LastCalcSignature) {
            TidyResults();
            CheckSettings(true, true);
            PendingMessage = messages::dataUnchanged;
            desktop().message(messages::dataUnchangedBox, messages::errorTitle, platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return;
        }

        const int months = calc::predictionMonths(tariff, context.locale);
        LastResults = boxes::resultsIn(c);
        {
            // Whatever was worked out is shown, also when a step fails: the
            // error dump reports the boxes as they are.
            const auto showResults = qScopeGuard([&] { boxes::show(c, LastResults); });
            calc::actualCost(tariff, readings, context, LastResults);
            const calc::Bill &actual = LastResults.actual;
            shade(c.CDay, LastResults.costPerDayNegative);
            shadeBySign(c.D1Cost, c.D2Cost, c.TCost, c.TVCost, actual.negative);
            StepCode = 104;
            if (calc::prediction(tariff, readings, months, context, LastResults)) {
                const calc::Bill &predicted = LastResults.predicted;
                shadeBySign(c.D1CostP, c.D2CostP, c.TCostP, c.TVCostP, predicted.negative);
            }
        }
        StepCode = 105;
        LastCalcSignature = calc::inputSignature(boxes::tariffIn(c), boxes::readingsIn(c), CurrencySymbol);

        TidyResults();
        CheckSettings(true, true);
        FormatResultsReport();
        FormatHistoryEntry();
        if (value(c.AutoSave) == 1)
            SaveCalculation();
        else if (value(c.AutoSave) == 0)
            c.Save->setEnabled(true);
    });
}

void AquabillMain::CheckReadings()
{
    guarded(messages::checkErrorTitle, [&] {
        StepCode = 121;
        calc::Readings readings = boxes::readingsIn(c);
        PendingMessage += calc::readingProblems(readings, calcContext());
        boxes::show(c, readings);

        StepCode = 122;
        if (InhibitErrorCheck == 1)
            PendingMessage.clear();
    });
}

// Runs inside Calculate, whose failure path also covers this check.
void AquabillMain::CheckConsistency()
{
    StepCode = 111;
    const calc::Context context = calcContext();
    ApplyTaxCaption();

    // With the checks switched off the dates may be anything; an unreadable
    // one is a failure of the calculation like any unreadable field.
    calc::Readings readings = boxes::readingsIn(c);
    const auto [date1, date2] = calc::readingDates(readings, context);
    PendingMessage += calc::dateProblems(date1, date2, context.currentYear);
    readings.date1 = dates::shortDate(date1, context.locale);
    readings.date2 = dates::shortDate(date2, context.locale);
    boxes::show(c, readings);

    StepCode = 112;
    PendingMessage += calc::readingRiseProblem(readings);

    StepCode = 114;
    const calc::Tariff tariff = boxes::tariffIn(c);
    PendingMessage += calc::sewagePairProblems(tariff, symbolPrefix());

    StepCode = 115;
    PendingMessage += calc::predictionReachProblem(tariff, date1, date2, context.locale);

    StepCode = 116;
    if (InhibitErrorCheck == 1)
        PendingMessage.clear();
}
