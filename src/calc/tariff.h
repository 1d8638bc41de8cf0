#pragma once

#include <QString>

namespace calc {

// A tick box's state: 0 unticked, 1 ticked, 2 greyed (a stored option that no
// box can show).
using Tick = int;

// The tariff and the options exactly as the window's boxes show them. Every
// value stays the box's text: the checks, the rendering and the arithmetic all
// read it from that text, so what the user sees is what is calculated.
struct Tariff {
    QString waterVolumeCharge;   // per unit of volume, never empty
    QString waterFixedCharge;    // per charging period
    QString sewageVolumeCharge;
    QString sewageFixedCharge;   // per charging period
    QString sewageAllowance;     // the percentage of the water units charged as sewage
    QString taxRate;             // per cent
    QString discount1;           // before tax: an amount per period, or a percentage
    QString discount2;           // after tax: an amount per period, or a fixed amount
    QString predictionPeriods;   // charging periods to predict, 0 or empty for none

    Tick gallons = 0;            // volumes in 1000 gallons rather than cubic metres
    Tick monthly = 0;            // monthly charging periods rather than six-monthly
    Tick discount1Percent = 0;
    Tick discount2Fixed = 0;
    Tick autoSave = 0;
    Tick onTop = 0;
    Tick noHistory = 0;
};

// The two meter readings with their dates, and the notes, as typed.
struct Readings {
    QString date1, reading1;
    QString date2, reading2;
    QString notes;               // lines separated by "\n"
};

}  // namespace calc
