#pragma once

#include <QLocale>
#include <QString>

// The calculation keeps every intermediate value as the text of its box, in the
// box's own form, and reads it back from that text: the rounding of each form is
// part of the arithmetic. These are the only ways the calculation reads and
// writes a value.
namespace calc {

class FieldTexts {
public:
    explicit FieldTexts(const QLocale &locale) : m_locale(locale) {}

    // The leading-number parse, for every "is it zero" question.
    static double lead(const QString &text);
    // The full parse, for arithmetic; an unreadable text is a RuntimeFailure.
    double full(const QString &text) const;

    // Each writer refuses a value that is not finite (an overflow, 0/0), so a
    // broken amount ends the calculation instead of being shown as "inf".
    void writePlain(QString &field, double value) const;
    void writeCurrency(QString &field, double value) const;
    void writeOneDecimal(QString &field, double value) const;
    void writeWhole(QString &field, double value) const;
    QString currencyText(double value) const;
    static QString plainText(double value);

private:
    QLocale m_locale;
};

// Throws RuntimeFailure unless the value is a finite number.
double finite(double value);

// A negative amount is shown as the plain text of its magnitude, the colour
// telling the sign. True when the amount was negative.
bool showMagnitude(QString &field, const FieldTexts &texts);

}  // namespace calc
