// The two number readings and the number forms, in several locales.
#include "fuzz_input.h"

#include "core/runtime_failure.h"
#include "calc/numbers.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale locale = fuzz::locale(data[0]);
    const QString text = fuzz::text(data + 1, size - 1);

    const double leading = numbers::leading(text);
    const bool numeric = numbers::isNumeric(text, locale);
    double full = 0;
    bool read = true;
    try {
        full = numbers::full(text, locale);
    } catch (const RuntimeFailure &) {
        read = false;
    }
    fuzz::require(!numeric || (read && full == leading), "a numeric text reads the same both ways");

    for (const double value : {leading, full}) {
        if (!std::isfinite(value))
            continue;
        numbers::plain(value);
        numbers::oneDecimal(value);
        numbers::whole(value);
        for (int decimals = 0; decimals <= 4; ++decimals)
            numbers::fixed(value, decimals);
        const QString money = numbers::currency(value, locale);
        // Only what the money form writes need be read back; amounts too large
        // for two exact decimals are not money.
        if (std::fabs(value) < 1e12) {
            try {
                const double back = numbers::full(money, locale);
                fuzz::require(std::fabs(back - value) <= 0.005 + std::fabs(value) * 1e-15,
                              "the money form reads back as its amount");
            } catch (const RuntimeFailure &) {
                fuzz::require(false, "the money form reads back");
            }
        }
        try {
            numbers::roundEven16(value);
        } catch (const RuntimeFailure &) {
        }
    }
    return 0;
}
