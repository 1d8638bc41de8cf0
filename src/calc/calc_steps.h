#pragma once

#include <QDate>
#include <QString>

class AquabillMain;

// The steps of the Calculate command, each working on the window's boxes.
namespace calc {

// The number of fixed-charge periods from `from` to `to`: half-years with a
// nine-day tolerance, or elapsed months with a three-day one.
float chargePeriods(const QDate &from, const QDate &to, bool monthly, double shownDays);

// Every input and option that decides a result, as one text.
QString inputSignature(const AquabillMain &window);

// The prediction length in whole months, ties to the even month.
int predictionMonths(const AquabillMain &window);

// The cost of the interval between the two readings, into the actual result
// boxes; sets ChargePeriods, CostBeforeTax and CostBeforeDiscount2.
void actualCost(AquabillMain &window);

// The cost of the coming `months` months, into the predicted result boxes;
// nothing when no prediction is asked for.
void prediction(AquabillMain &window, int months);

// The date in the box, or a RuntimeFailure when the text is not a date.
QDate dateIn(const AquabillMain &window, const QString &text);

}  // namespace calc
