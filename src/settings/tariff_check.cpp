#include "settings/tariff_check.h"

#include "core/messages.h"
#include "calc/numbers.h"

namespace settings {

namespace {

// The value every test and every "is it zero" question sees.
double number(const QString &text) { return numbers::leading(text); }

// A tariff text is a number only when the checks and the arithmetic read the
// same value from it. "12abc" reads as 12 here but not at all in the
// arithmetic, and "10,000" as 10 here but 10000 there; both are refused.
bool notNumber(const QString &text, const QLocale &locale)
{
    return !text.isEmpty() && !numbers::isNumeric(text, locale);
}

// 0 always passes; any other value must lie within the bounds.
bool outsideUnlessZero(double value, double low, double high)
{
    return value != 0 && (value < low || value > high);
}

bool outside(double value, double low, double high) { return value < low || value > high; }

bool greyed(calc::Tick tick) { return tick > 1 || tick < 0; }

}  // namespace

QString tariffProblems(const calc::Tariff &tariff, const StoredOptions &stored, const QLocale &locale)
{
    QString problems;
    auto refuseWhen = [&problems](bool refused, const QString &message) {
        if (refused)
            problems += message + QLatin1Char('\n');
    };

    refuseWhen(greyed(tariff.autoSave), messages::autoSaveOutOfRange);
    refuseWhen(outside(number(stored.Disc1PT), 1, 2), messages::discount1PercentOutOfRange);
    refuseWhen(outside(number(stored.Disc2FT), 1, 2), messages::discount2FixedOutOfRange);
    refuseWhen(greyed(tariff.onTop), messages::runOnTopOutOfRange);
    refuseWhen(greyed(tariff.monthly), messages::monthlyOutOfRange);
    refuseWhen(stored.LogLevel != 1.0f && stored.LogLevel != 2.0f, messages::logLevelOutOfRange);
    refuseWhen(stored.RunOnTop != 1 && stored.RunOnTop != 2, messages::runOnTopOutOfRange);
    refuseWhen(outside(number(stored.PSize), 1, 2), messages::monthlyOutOfRange);
    refuseWhen(stored.VUnits < 1 || stored.VUnits > 2, messages::volumeUnitsOutOfRange);

    // The water volume charge is the one field that may never be empty or
    // zero; an unreadable text is refused like an out-of-range one.
    const QString &water = tariff.waterVolumeCharge;
    refuseWhen(!numbers::isNumeric(water, locale) || outside(number(water), 0.1, 9.99),
               messages::waterVolumeChargeOutOfRange);

    auto zeroOrWithin = [&locale](const QString &text, double low, double high) {
        return notNumber(text, locale) || outsideUnlessZero(number(text), low, high);
    };
    refuseWhen(zeroOrWithin(tariff.sewageVolumeCharge, 0.1, 9.99), messages::sewageVolumeChargeOutOfRange);

    // A greyed option box has already been refused above; its field is
    // still checked, by the unticked rule, so that no tariff text ever
    // goes unchecked.
    const QString &periods = tariff.predictionPeriods;
    if (tariff.monthly == 1)
        refuseWhen(notNumber(periods, locale) || outside(number(periods), 0, 24), messages::monthlyPredictionOutOfRange);
    else
        refuseWhen(notNumber(periods, locale) || outside(number(periods), 0, 4), messages::sixMonthlyPredictionOutOfRange);

    refuseWhen(zeroOrWithin(tariff.waterFixedCharge, 2, 99), messages::waterFixedChargeOutOfRange);
    refuseWhen(zeroOrWithin(tariff.sewageFixedCharge, 2, 99), messages::sewageFixedChargeOutOfRange);
    if (tariff.discount1Percent == 1)
        refuseWhen(zeroOrWithin(tariff.discount1, 1, 30), messages::discount1PercentageOutOfRange);
    else
        refuseWhen(zeroOrWithin(tariff.discount1, 1, 99), messages::discount1AmountOutOfRange);
    refuseWhen(zeroOrWithin(tariff.discount2, 1, 99), messages::discount2OutOfRange);
    refuseWhen(zeroOrWithin(tariff.taxRate, 1, 50), messages::taxRateOutOfRange);
    refuseWhen(zeroOrWithin(tariff.sewageAllowance, 10, 100), messages::sewageAllowanceOutOfRange);
    return problems;
}

}  // namespace settings
