#include "calc/calc_steps.h"

#include <cmath>

namespace calc {

float chargePeriods(const QDate &from, const QDate &to, bool monthly, double shownDays)
{
    if (monthly) {
        // Both months count, whatever the days: 31 January to 1 February is two.
        const int months = (to.year() - from.year()) * 12 + (to.month() - from.month());
        return float(months + 1);
    }
    // A reading taken a few days after the half-year boundary still belongs to
    // the earlier period; very short intervals get no such allowance.
    const double tolerance = shownDays > 11 ? 9 : 0;
    const double days = double(from.daysTo(to));
    return float(std::floor((days - tolerance) / (365.0 / 2)) + 1);
}

}  // namespace calc
