#include "settings/tariff_forms.h"

#include "calc/characters.h"
#include "calc/numbers.h"

namespace settings {

namespace {

using Field = QString calc::Tariff::*;
using T = calc::Tariff;

const Field moneyFields[] = {&T::sewageFixedCharge, &T::waterVolumeCharge, &T::sewageVolumeCharge,
                             &T::waterFixedCharge,  &T::discount1,         &T::discount2};

const Field numberFields[] = {&T::waterVolumeCharge, &T::waterFixedCharge, &T::sewageVolumeCharge,
                              &T::sewageFixedCharge, &T::sewageAllowance,  &T::taxRate,
                              &T::discount1,         &T::discount2,        &T::predictionPeriods};

struct Rendering {
    Field field;
    int decimals;
    bool emptiedWhenZero;
};

const Rendering renderings[] = {
    {&T::sewageAllowance, 1, true},    {&T::sewageFixedCharge, 2, true}, {&T::waterVolumeCharge, 4, false},
    {&T::sewageVolumeCharge, 4, true}, {&T::waterFixedCharge, 2, true},  {&T::predictionPeriods, 0, true},
    {&T::taxRate, 1, true},            {&T::discount1, 2, true},         {&T::discount2, 2, true},
};

}  // namespace

QString currencySymbol(const QLocale &locale) { return characters::first(locale.toCurrencyString(1.0), 1); }

void stripPrefix(calc::Tariff &tariff, const QString &prefix)
{
    if (prefix.isEmpty())
        return;
    for (const Field field : moneyFields) {
        QString &text = tariff.*field;
        if (text.startsWith(prefix))
            text.remove(0, prefix.size());
    }
}

void useDecimalPoint(calc::Tariff &tariff, const QLocale &locale)
{
    for (const Field field : numberFields)
        tariff.*field = numbers::withDecimalPoint(tariff.*field, locale);
}

void render(calc::Tariff &tariff, const QLocale &locale)
{
    // Only a text both readings agree on is rewritten, so the shown digits are
    // always the value the arithmetic will use.
    for (const Rendering &r : renderings) {
        QString &text = tariff.*r.field;
        if (numbers::isNumeric(text, locale))
            text = numbers::fixed(numbers::leading(text), r.decimals);
        if (r.emptiedWhenZero && numbers::leading(text) == 0)
            text.clear();
    }
}

void dressMoney(calc::Tariff &tariff, const QString &prefix)
{
    if (prefix.isEmpty())
        return;
    // An unstripped field may carry the symbol already; dressing it a second
    // time would make its text unreadable.
    for (const Field field : moneyFields) {
        QString &text = tariff.*field;
        const bool money = field != &T::discount1 || tariff.discount1Percent != 1;
        if (money && !text.isEmpty() && !text.startsWith(prefix))
            text.prepend(prefix);
    }
}

}  // namespace settings
