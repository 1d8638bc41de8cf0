#include "records/history_entry.h"

#include "calc/dates.h"

namespace records::history {

namespace {

// A date too long for its column is stored in the eleven-character form.
QString storedDate(const QString &text, const calc::Context &context)
{
    if (text.size() > 11) {
        if (const std::optional<QDate> date = context.readDate(text))
            return dates::ddMmmYyyy(*date, context.locale);
    }
    return text;
}

QString markedWhenPresent(const QString &value, const QString &mark)
{
    return value.isEmpty() ? QStringLiteral(" ") : mark;
}

}  // namespace

Entry entryFor(const calc::Tariff &tariff, const calc::Readings &readings, const calc::Context &context)
{
    Entry entry;
    entry.date = storedDate(readings.date2, context);
    entry.reading = readings.reading2;
    entry.waterVolume = tariff.waterVolumeCharge;
    entry.waterFixed = tariff.waterFixedCharge;
    entry.sewageVolume = tariff.sewageVolumeCharge;
    entry.sewageFixed = tariff.sewageFixedCharge;
    entry.allowance = tariff.sewageAllowance;
    entry.allowanceMark = markedWhenPresent(tariff.sewageAllowance, QStringLiteral("%"));
    entry.taxRate = tariff.taxRate;
    entry.taxMark = markedWhenPresent(tariff.taxRate, QStringLiteral("%"));
    entry.discount1 = tariff.discount1;
    if (!tariff.discount1.isEmpty() && tariff.discount1Percent == 1)
        entry.discount1 += u'%';
    entry.discount2Mark = tariff.discount2Fixed == 1 ? QStringLiteral("F") : QStringLiteral(" ");
    entry.discount2 = tariff.discount2;
    entry.period = tariff.monthly == 1 ? QStringLiteral("1 mth") : QStringLiteral("6 mth");
    return entry;
}

Entry openingEntryFor(const calc::Readings &readings, const calc::Context &context)
{
    Entry opening;
    opening.date = storedDate(readings.date1, context);
    opening.reading = readings.reading1;
    return opening;
}

}  // namespace records::history
