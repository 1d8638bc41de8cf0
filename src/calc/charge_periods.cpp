#include "calc/calculation.h"

#include <algorithm>
#include <cmath>

namespace calc {

float chargePeriods(const QDate &from, const QDate &to, bool monthly, double shownDays)
{
    const double days = double(from.daysTo(to));
    if (monthly) {
        // Elapsed months, not the calendar months touched: readings chained from
        // one month to the next share a month, which must not be charged twice.
        // A reading taken up to three days late still closes one month.
        return float(std::max(std::floor((days - 3) / (365.0 / 12)) + 1, 1.0));
    }
    // A reading taken a few days after the half-year boundary still belongs to
    // the earlier period; very short intervals get no such allowance.
    const double tolerance = shownDays > 11 ? 9 : 0;
    return float(std::floor((days - tolerance) / (365.0 / 2)) + 1);
}

}  // namespace calc
