#pragma once

#include "calc/tariff.h"

#include <QLocale>
#include <QString>

// The forms a tariff text takes between typing and showing: bare for the
// check, rendered to its field's decimals, and dressed with the currency
// symbol where it is money.
namespace settings {

// The one character the window takes for the locale's currency: the first of
// its currency form, which is a digit where the symbol follows the amount.
QString currencySymbol(const QLocale &locale);

// Takes `prefix`, the symbol the window itself puts in front, off the money
// fields that start with it. Nothing else is taken off: with no prefix a
// leading digit stays.
void stripPrefix(calc::Tariff &tariff, const QString &prefix);

// A number typed with the locale's decimal comma in every field is given the
// decimal point the program writes.
void useDecimalPoint(calc::Tariff &tariff, const QLocale &locale);

// Each field to its decimals, where the text is a number both readings agree
// on; then every field but the water volume charge emptied when it reads as 0.
void render(calc::Tariff &tariff, const QLocale &locale);

// `prefix` put in front of every non-empty money field that lacks it; Discount
// 1 is money only when it is not a percentage.
void dressMoney(calc::Tariff &tariff, const QString &prefix);

}  // namespace settings
