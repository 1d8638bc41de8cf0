#pragma once

#include "calc/context.h"
#include "calc/tariff.h"

#include <QDate>
#include <utility>

// The checks Calculate makes of the readings before it works anything out.
// Each gives the problems it finds, one line each ending in "\n", in the
// order they are reported.
namespace calc {

// Readings typed with the locale's decimal comma are first written with a
// point, as the arithmetic reads them.
QString readingProblems(Readings &readings, const Context &context);

// The two dates; a RuntimeFailure when either is not a date, as happens with
// the checks switched off.
std::pair<QDate, QDate> readingDates(const Readings &readings, const Context &context);
QString dateProblems(const QDate &date1, const QDate &date2, int currentYear);
QString readingRiseProblem(const Readings &readings);
// The sewage volume charge and allowance go together; `symbolPrefix` is the
// symbol the window puts in front of money amounts.
QString sewagePairProblems(const Tariff &tariff, const QString &symbolPrefix);
QString predictionReachProblem(const Tariff &tariff, const QDate &date1, const QDate &date2, const QLocale &locale);

// The readings as they are calculated and stored: one decimal, and a date too
// long for the logs' date columns in the eleven-character form. Each is
// settled in turn, so a failure leaves those before it settled.
void settleReadings(Readings &readings, const Context &context);

}  // namespace calc
