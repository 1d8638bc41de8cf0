#include "settings/stored_options.h"

#include "core/runtime_failure.h"
#include "calc/numbers.h"

namespace settings {

bool storedOptionsReadable(const StoredOptions &options)
{
    auto within = [](double stored) { return stored >= 1 && stored <= 2; };
    return within(options.RunOnTop) && within(options.LogLevel) && within(numbers::leading(options.PSize))
           && within(options.VUnits) && within(numbers::leading(options.Disc1PT))
           && within(numbers::leading(options.Disc2FT));
}

calc::Tick tickFor(double stored)
{
    // A tick box takes 0, 1 or 2.
    const int state = numbers::roundEven16(stored - 1);
    if (state < 0 || state > 2)
        throw RuntimeFailure(QStringLiteral("invalid tick box value %1").arg(state));
    return state;
}

calc::Tick tickFor(const QString &stored, const QLocale &locale) { return tickFor(numbers::full(stored, locale)); }

}  // namespace settings
