#pragma once

#include "calc/tariff.h"

#include <QMap>
#include <QStringList>

// The tariff's and the readings' fields by name, so that a table row can list
// its changes as text: "waterFixedCharge=12.00;monthly=1;date2=10/12/2019".
namespace tariffFields {

using T = calc::Tariff;
using R = calc::Readings;

inline const QMap<QString, QString T::*> texts = {
    {"waterVolumeCharge", &T::waterVolumeCharge}, {"waterFixedCharge", &T::waterFixedCharge},
    {"sewageVolumeCharge", &T::sewageVolumeCharge}, {"sewageFixedCharge", &T::sewageFixedCharge},
    {"sewageAllowance", &T::sewageAllowance}, {"taxRate", &T::taxRate}, {"discount1", &T::discount1},
    {"discount2", &T::discount2}, {"predictionPeriods", &T::predictionPeriods}};
inline const QMap<QString, calc::Tick T::*> ticks = {
    {"gallons", &T::gallons}, {"monthly", &T::monthly}, {"discount1Percent", &T::discount1Percent},
    {"discount2Fixed", &T::discount2Fixed}, {"autoSave", &T::autoSave}, {"onTop", &T::onTop},
    {"noHistory", &T::noHistory}};
inline const QMap<QString, QString R::*> readings = {
    {"date1", &R::date1}, {"reading1", &R::reading1}, {"date2", &R::date2}, {"reading2", &R::reading2},
    {"notes", &R::notes}};

// Makes each change of a ';'-separated list; returns those naming no field.
inline QStringList change(T &tariff, R *readingsTyped, const QString &changes)
{
    QStringList unknown;
    for (const QString &item : changes.split(u';', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0), text = item.section(u'=', 1);
        if (texts.contains(name))
            tariff.*texts[name] = text;
        else if (ticks.contains(name))
            tariff.*ticks[name] = text.toInt();
        else if (readingsTyped && readings.contains(name))
            readingsTyped->*readings[name] = text;
        else
            unknown << item;
    }
    return unknown;
}

}  // namespace tariffFields
