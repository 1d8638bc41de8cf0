#pragma once

#include "calc/results.h"

#include <QLocale>
#include <QString>

namespace settings {

// The money results dressed with `prefix`, the symbol the window puts in
// front: those already in the currency form get only their symbol brought up
// to date, the others are written in the locale's currency form first.
void dressResults(calc::Results &results, const QString &prefix, const QLocale &locale);

}  // namespace settings
