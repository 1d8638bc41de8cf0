// The date reading, in several locales, and the forms a read date is written in.
#include "fuzz_input.h"

#include "calc/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QLocale locale = fuzz::locale(data[0]);
    const int months = static_cast<std::int8_t>(data[1]);
    const QString text = fuzz::text(data + 2, size - 2);

    const std::optional<QDate> date = dates::parse(text, locale, 2026);
    if (!date)
        return 0;
    fuzz::require(date->isValid(), "a read date is a date");
    // What the program writes into the date boxes and the history log it must
    // read back as the same day.
    fuzz::require(dates::parse(dates::shortDate(*date, locale), locale, 2026) == date, "the short form reads back");
    fuzz::require(dates::parse(dates::ddMmmYyyy(*date, locale), locale, 2026) == date, "the long form reads back");
    dates::shortDateTime(QDateTime(*date, QTime(12, 0)), locale);
    dates::ddMmmYyTime(QDateTime(*date, QTime(12, 0)), locale);
    fuzz::require(dates::addMonths(*date, months).isValid(), "a month later is a date");
    return 0;
}
