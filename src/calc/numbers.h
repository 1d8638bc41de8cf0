#pragma once

#include <QLocale>
#include <QString>

// The number readings and text forms every part of the program shares. All
// roundings are judged on the value's 15-significant-digit decimal text, so that
// what the user sees as 0.125 rounds to 0.13.
namespace numbers {

// Optional blanks, an optional sign and a decimal number with "." as point (and an
// exponent when digits follow the "e"), read from the start of the text; stops at
// the first other character; 0 when there is no leading number ("12abc" is 12,
// "£1" is 0).
double leading(const QString &text);

// The whole text as a number: plain number text, "." decimal text, or the locale's
// currency form (symbol, grouping, a leading minus). Anything else, empty text
// included, throws RuntimeFailure.
double full(const QString &text, const QLocale &locale);

// True when the full parse reads the text as zero; false for any other text.
bool isZeroAmount(const QString &text, const QLocale &locale);

// A number typed in the locale's own decimal form ("1234,5" where the decimal
// separator is a comma) in the form the program writes numbers ("1234.5"); any
// other text as it stands, so grouped or mixed texts are still judged as typed.
QString withDecimalPoint(const QString &text, const QLocale &locale);

// True when the full parse reads the text and gives the same value as the
// leading parse, so checks and arithmetic can never disagree about a field.
bool isNumeric(const QString &text, const QLocale &locale);

// Rounded to 15 significant digits, fewest digits, no grouping ("42.1175", "40").
QString plain(double value);

// Exactly `decimals` decimals, halves away from zero, "." as point, no grouping.
QString fixed(double value, int decimals);

// fixed(value, 1).
QString oneDecimal(double value);

// The integer in decimal digits (value rounded half away from zero).
QString whole(double value);

// The locale's currency form with two decimals, halves away from zero; a negative
// amount is a minus sign in front of the positive form ("-£12.50").
QString currency(double value, const QLocale &locale);

// Nearest integer, ties to the even one, the tie judged on the 15-digit text like
// every rounding here. Throws RuntimeFailure when the value is not finite or the
// result does not fit in 16 bits signed.
int roundEven16(double value);

}  // namespace numbers
