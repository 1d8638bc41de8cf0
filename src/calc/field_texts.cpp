#include "calc/field_texts.h"

#include "calc/numbers.h"
#include "core/runtime_failure.h"

#include <cmath>

namespace calc {

double finite(double value)
{
    if (!std::isfinite(value))
        throw RuntimeFailure(QStringLiteral("Arithmetic overflow or invalid operation"));
    return value;
}

double FieldTexts::lead(const QString &text) { return numbers::leading(text); }

double FieldTexts::full(const QString &text) const { return numbers::full(text, m_locale); }

QString FieldTexts::plainText(double value) { return numbers::plain(finite(value)); }

QString FieldTexts::currencyText(double value) const { return numbers::currency(finite(value), m_locale); }

void FieldTexts::writePlain(QString &field, double value) const { field = plainText(value); }

void FieldTexts::writeCurrency(QString &field, double value) const { field = currencyText(value); }

void FieldTexts::writeOneDecimal(QString &field, double value) const { field = numbers::oneDecimal(finite(value)); }

void FieldTexts::writeWhole(QString &field, double value) const { field = numbers::whole(finite(value)); }

bool showMagnitude(QString &field, const FieldTexts &texts)
{
    const double value = texts.full(field);
    const bool negative = value < 0;
    if (negative)
        texts.writePlain(field, value * -1);
    return negative;
}

}  // namespace calc
