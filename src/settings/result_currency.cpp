#include "settings/result_currency.h"

#include "core/runtime_failure.h"
#include "calc/characters.h"
#include "calc/numbers.h"

namespace settings {

namespace {

// A leading character that cannot be part of an amount is the symbol an
// earlier dressing put there.
bool isSymbol(const QString &character)
{
    return !characters::startsWithDigit(character) && !character.front().isSpace()
           && !QStringLiteral(".,+-").contains(character);
}

// The amount with `prefix` in front, in place of any symbol it carries. A
// digit is never replaced: in a locale whose currency form does not begin
// with the symbol the prefix is empty and the amount keeps every digit.
QString dressed(const QString &amount, const QString &prefix)
{
    if (amount.isEmpty())
        return amount;
    const QString first = characters::first(amount, 1);
    return prefix + (isSymbol(first) ? amount.mid(first.size()) : amount);
}

// The sign stays in front of the symbol ("-£12.50"), never behind it.
QString dressedSigned(const QString &text, const QString &prefix)
{
    if (text.startsWith(u'-'))
        return QStringLiteral("-") + dressed(text.mid(1), prefix);
    return dressed(text, prefix);
}

void redress(QString &text, const QString &prefix)
{
    if (text.size() >= 2)
        text = dressedSigned(text, prefix);
}

void rewrite(QString &text, const QString &prefix, const QLocale &locale)
{
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    if (text.isEmpty())
        return;
    try {
        text = numbers::currency(numbers::full(text, locale), locale);
    } catch (const RuntimeFailure &) {
        // An unreadable amount is shown as it stands.
    }
    text = dressed(text, prefix);
    if (negative)
        text.prepend(u'-');
}

}  // namespace

void dressResults(calc::Results &results, const QString &prefix, const QLocale &locale)
{
    if (results.predicted.discount2 == QStringLiteral("0"))
        results.predicted.discount2.clear();
    for (calc::Bill *bill : {&results.actual, &results.predicted}) {
        for (QString *amount : {&bill->waterCost, &bill->sewageCost, &bill->sewageFixed})
            redress(*amount, prefix);
        for (QString *amount : {&bill->waterFixed, &bill->subTotal, &bill->discount1, &bill->discount2, &bill->tax,
                                &bill->total})
            rewrite(*amount, prefix, locale);
    }
    rewrite(results.costPerDay, prefix, locale);
}

}  // namespace settings
