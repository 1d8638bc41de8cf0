#pragma once

#include "calc/context.h"
#include "calc/results.h"
#include "calc/tariff.h"

#include <QDate>

// The Calculate command's arithmetic. Each step works on the results as the
// boxes show them and changes them in place, so that a failure part-way
// leaves exactly what had been worked out, as the error dump reports it.
namespace calc {

// The number of fixed-charge periods from `from` to `to`: half-years with a
// nine-day tolerance, or elapsed months with a three-day one.
float chargePeriods(const QDate &from, const QDate &to, bool monthly, double shownDays);

// Every input and option that decides a result, as one text.
QString inputSignature(const Tariff &tariff, const Readings &readings, const QString &currencySymbol);

// The prediction length in whole months, ties to the even month.
int predictionMonths(const Tariff &tariff, const QLocale &locale);

// The cost of the interval between the two readings: the actual results, the
// per-day figures and the charging periods.
void actualCost(const Tariff &tariff, const Readings &readings, const Context &context, Results &results);

// The cost of the coming `months` months, from the actual results; false, with
// nothing changed, when no prediction is asked for.
bool prediction(const Tariff &tariff, const Readings &readings, int months, const Context &context,
                Results &results);

// Both, as Calculate works them out.
void calculate(const Tariff &tariff, const Readings &readings, const Context &context, Results &results);

}  // namespace calc
