#include "calc/calculation.h"

namespace calc {

QString inputSignature(const Tariff &tariff, const Readings &readings, const QString &currencySymbol)
{
    auto digit = [](Tick tick) { return QString::number(tick); };
    return readings.date1 + readings.date2 + readings.reading1 + readings.reading2 + readings.notes
           + tariff.sewageAllowance + tariff.sewageFixedCharge + tariff.waterVolumeCharge + digit(tariff.gallons)
           + tariff.sewageVolumeCharge + tariff.predictionPeriods + tariff.taxRate + tariff.waterFixedCharge
           + digit(tariff.monthly) + currencySymbol + QStringLiteral("1") + tariff.discount1 + QStringLiteral("2")
           + tariff.discount2 + QStringLiteral("%") + digit(tariff.discount1Percent) + QStringLiteral("%")
           + digit(tariff.discount2Fixed) + digit(tariff.noHistory);
}

}  // namespace calc
