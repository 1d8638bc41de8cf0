#include "calc/field_texts.h"

#include "core/runtime_failure.h"
#include "calc/numbers.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <cmath>

namespace calc {

double finite(double value)
{
    if (!std::isfinite(value))
        throw RuntimeFailure(QStringLiteral("Arithmetic overflow or invalid operation"));
    return value;
}

double FieldTexts::lead(const QLineEdit *box) { return numbers::leading(box->text()); }

double FieldTexts::lead(const QString &text) { return numbers::leading(text); }

double FieldTexts::full(const QLineEdit *box) const { return numbers::full(box->text(), m_locale); }

double FieldTexts::full(const QString &text) const { return numbers::full(text, m_locale); }

QString FieldTexts::plainText(double value) { return numbers::plain(finite(value)); }

QString FieldTexts::currencyText(double value) const { return numbers::currency(finite(value), m_locale); }

void FieldTexts::writePlain(QLineEdit *box, double value) const { box->setText(plainText(value)); }

void FieldTexts::writeCurrency(QLineEdit *box, double value) const { box->setText(currencyText(value)); }

void FieldTexts::writeOneDecimal(QLineEdit *box, double value) const
{
    box->setText(numbers::oneDecimal(finite(value)));
}

void FieldTexts::writeWhole(QLineEdit *box, double value) const { box->setText(numbers::whole(finite(value))); }

void shade(QLineEdit *box, Shade how)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, how == Shade::Credit ? QColor(255, 128, 0) : QColor(51, 51, 51));
    box->setPalette(palette);
}

bool showSign(QLineEdit *box, const FieldTexts &texts, bool orangeWhenNotNegative)
{
    const double value = texts.full(box);
    const bool negative = value < 0;
    shade(box, negative != orangeWhenNotNegative ? Shade::Credit : Shade::Normal);
    if (negative)
        texts.writePlain(box, value * -1);
    return negative;
}

}  // namespace calc
