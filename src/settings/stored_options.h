#pragma once

#include "calc/tariff.h"

#include <QLocale>
#include <QString>

namespace settings {

// The options the configuration file stores, each named after its key there,
// as read: 1 for off and 2 for on. The texts keep the number as the file gave
// it, fractions included, for the check to judge.
struct StoredOptions {
    QString Disc1PT, Disc2FT, PSize;
    float LogLevel = 0;
    int RunOnTop = 1;
    int VUnits = 0;
};

// True when every stored option lies between 1 and 2, so that the check may
// judge the tariff by the options the file stores.
bool storedOptionsReadable(const StoredOptions &options);

// The tick box state a stored option shows: one less than the option, rounded
// to the even whole number. A state no box can show is a RuntimeFailure.
calc::Tick tickFor(double stored);
calc::Tick tickFor(const QString &stored, const QLocale &locale);

}  // namespace settings
