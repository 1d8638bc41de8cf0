#pragma once

#include <QLocale>
#include <QString>

class QLineEdit;

// The calculation keeps every intermediate value as the text of its box, in the
// box's own form, and reads it back from that text: the rounding of each form is
// part of the arithmetic. These are the only ways the calculation touches a box.
namespace calc {

class FieldTexts {
public:
    explicit FieldTexts(const QLocale &locale) : m_locale(locale) {}

    // The leading-number parse, for every "is it zero" question.
    static double lead(const QLineEdit *box);
    static double lead(const QString &text);
    // The full parse, for arithmetic; an unreadable text is a RuntimeFailure.
    double full(const QLineEdit *box) const;
    double full(const QString &text) const;

    // Each writer refuses a value that is not finite (an overflow, 0/0), so a
    // broken amount ends the calculation instead of being shown as "inf".
    void writePlain(QLineEdit *box, double value) const;
    void writeCurrency(QLineEdit *box, double value) const;
    void writeOneDecimal(QLineEdit *box, double value) const;
    void writeWhole(QLineEdit *box, double value) const;
    QString currencyText(double value) const;
    static QString plainText(double value);

    const QLocale &locale() const { return m_locale; }

private:
    QLocale m_locale;
};

// Throws RuntimeFailure unless the value is a finite number.
double finite(double value);

// Result text colours: dark grey for an amount owed, orange for a credit.
enum class Shade { Normal, Credit };
void shade(QLineEdit *box, Shade how);

// Judges the box's amount by its sign. A discount of zero or more and a
// negative total are credits (orange); the others are normal. A negative
// amount is then shown as the plain text of its magnitude, the colour telling
// the sign. True when the amount was negative.
bool showSign(QLineEdit *box, const FieldTexts &texts, bool orangeWhenNotNegative);

}  // namespace calc
