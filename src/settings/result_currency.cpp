#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "calc/numbers.h"

#include <QLineEdit>

namespace {

// A leading character that cannot be part of an amount is the symbol an
// earlier dressing put there.
bool isSymbolCharacter(QChar c)
{
    return !(c.isDigit() || c.isSpace() || c == u'.' || c == u',' || c == u'+' || c == u'-');
}

// The amount with `prefix` in front, in place of any symbol it carries. A
// digit is never replaced: in a locale whose currency form does not begin
// with the symbol the prefix is empty and the amount keeps every digit.
QString dressed(const QString &amount, const QString &prefix)
{
    if (amount.isEmpty())
        return amount;
    if (isSymbolCharacter(amount.front()))
        return prefix + amount.mid(1);
    return prefix + amount;
}

// The sign stays in front of the symbol ("-£12.50"), never behind it.
QString dressedSigned(const QString &text, const QString &prefix)
{
    if (text.startsWith(u'-'))
        return QStringLiteral("-") + dressed(text.mid(1), prefix);
    return dressed(text, prefix);
}

}  // namespace

void AquabillMain::RefreshResultCurrency()
{
    const QString prefix = symbolPrefix();

    // These already hold the currency form; only the symbol is brought up to date.
    for (QLineEdit *box : {c.NR1Cost, c.NR1CostP, c.NR2Cost, c.NR2CostP, c.CRCost, c.CRCostP}) {
        const QString text = box->text();
        if (text.size() >= 2)
            box->setText(dressedSigned(text, prefix));
    }

    const QLocale loc = locale();
    for (QLineEdit *box : {c.TSCharge, c.TSChargeP, c.TCost, c.TCostP, c.D1Cost, c.D2Cost, c.D1CostP, c.D2CostP,
                           c.VCost, c.VCostP, c.TVCost, c.TVCostP, c.CDay}) {
        QString text = box->text();
        if (box == c.D2CostP && text == QStringLiteral("0"))
            text.clear();
        const bool negative = text.startsWith(u'-');
        if (negative)
            text.remove(0, 1);
        if (!text.isEmpty()) {
            try {
                text = numbers::currency(numbers::full(text, loc), loc);
            } catch (const RuntimeFailure &) {
                // An unreadable amount is shown as it stands.
            }
            text = dressed(text, prefix);
            if (negative)
                text.prepend(u'-');
        }
        box->setText(text);
    }
}
