#include "calc/reading_checks.h"

#include "calc/dates.h"
#include "calc/numbers.h"
#include "core/messages.h"

namespace calc {

namespace {

QString problem(bool found, const QString &message) { return found ? message + u'\n' : QString(); }

// A reading is taken only when the checks and the arithmetic read the same
// number from it: "12abc" would pass a range test as 12 and then be unreadable,
// and "1,000" would pass as 1 and be calculated as 1000.
bool readingWithin(const QString &text, double low, double high, const QLocale &locale)
{
    if (!numbers::isNumeric(text, locale))
        return false;
    const double value = numbers::leading(text);
    return value >= low && value <= high;
}

// Readings from this century up to the end of the present year.
bool withinSupportedYears(const QDate &date, int currentYear)
{
    return date >= QDate(2000, 1, 1) && date <= QDate(currentYear, 12, 31);
}

}  // namespace

QString readingProblems(Readings &readings, const Context &context)
{
    const QLocale &locale = context.locale;
    for (QString *reading : {&readings.reading1, &readings.reading2})
        *reading = numbers::withDecimalPoint(*reading, locale);
    if (readings.date1.isEmpty() && readings.date2.isEmpty() && readings.reading1.isEmpty()
        && readings.reading2.isEmpty())
        return problem(true, messages::noReadings);
    return problem(!context.readDate(readings.date1), messages::date1Invalid)
           + problem(!context.readDate(readings.date2), messages::date2Invalid)
           + problem(!readingWithin(readings.reading1, 1, 999900, locale), messages::reading1Range)
           + problem(!readingWithin(readings.reading2, 3, 999999, locale), messages::reading2Range);
}

std::pair<QDate, QDate> readingDates(const Readings &readings, const Context &context)
{
    return {context.dateIn(readings.date1), context.dateIn(readings.date2)};
}

QString dateProblems(const QDate &date1, const QDate &date2, int currentYear)
{
    return problem(!withinSupportedYears(date1, currentYear), messages::dateOutsideYears(1, currentYear))
           + problem(!withinSupportedYears(date2, currentYear), messages::dateOutsideYears(2, currentYear))
           + problem(date1.daysTo(date2) < 3, messages::datesTooClose);
}

QString readingRiseProblem(const Readings &readings)
{
    return problem(numbers::leading(readings.reading2) - numbers::leading(readings.reading1) < 2,
                   messages::readingRiseTooSmall);
}

QString sewagePairProblems(const Tariff &tariff, const QString &symbolPrefix)
{
    // Only a symbol the window puts in front is skipped; in a locale whose
    // symbol follows the amount there is none, and a leading digit is part of
    // the charge.
    const QString &sewage = tariff.sewageVolumeCharge;
    const bool dressed = !symbolPrefix.isEmpty() && sewage.startsWith(symbolPrefix);
    const double charge = numbers::leading(dressed ? sewage.mid(symbolPrefix.size()) : sewage);
    const double allowance = numbers::leading(tariff.sewageAllowance);
    return problem(charge != 0 && allowance == 0, messages::allowanceMissing)
           + problem(charge == 0 && allowance != 0, messages::sewageChargeMissing);
}

QString predictionReachProblem(const Tariff &tariff, const QDate &date1, const QDate &date2, const QLocale &locale)
{
    if (numbers::leading(tariff.predictionPeriods) == 0)
        return QString();
    const double length = numbers::full(tariff.predictionPeriods, locale);
    const double months = tariff.monthly == 1 ? length : length * 6;
    // A fractional month count is rounded as the prediction itself rounds it.
    const QDate end = dates::addMonths(date1, numbers::roundEven16(months));
    return problem(end < date2, messages::predictionTooShort);
}

void settleReadings(Readings &readings, const Context &context)
{
    for (QString *reading : {&readings.reading1, &readings.reading2})
        *reading = numbers::oneDecimal(numbers::full(*reading, context.locale));
    for (QString *date : {&readings.date1, &readings.date2}) {
        if (date->size() > 11)
            *date = dates::ddMmmYyyy(context.dateIn(*date), context.locale);
    }
}

}  // namespace calc
