#include "calc/numbers.h"

#include "core/runtime_failure.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace numbers {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The length of the number that starts the text, 0 when there is none. The
// exponent counts only when digits follow it, so "5e" and "5e+" read as 5 just
// as "5x" does; shared by leading() and full() so both read the same grammar.
qsizetype numberLength(QStringView s)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        if (j < n && isAsciiDigit(s[j])) {
            while (j < n && isAsciiDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// QString::toDouble reads with the C locale whatever the user's locale is, and
// gives infinity on overflow, which full() then refuses.
double convert(QStringView number) { return number.toString().toDouble(); }

bool isBlank(QChar c) { return c.isSpace(); }

QStringView trimBlanks(QStringView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// Where the locale knows no symbol for its currency (Swiss francs, among
// others), Qt writes the currency's code instead, and so must the reader.
QString moneySymbol(const QLocale &locale)
{
    const QString symbol = locale.currencySymbol();
    return symbol.isEmpty() ? locale.currencySymbol(QLocale::CurrencyIsoCode) : symbol;
}

// The invisible direction marks that some locales write around the symbol and
// the sign carry no value, and may stand where the reader looks for either.
QString withoutMarks(QStringView text)
{
    QString out;
    for (const QChar c : text)
        if (c.category() != QChar::Other_Format)
            out += c;
    return out;
}

// The locale's money form: a leading minus, the symbol on either side with any
// spacing, grouped digits and the locale's point. The symbol may be left out,
// so a user can type the locale's own number form too.
std::optional<double> localeValue(QStringView typed, const QLocale &locale)
{
    const QString unmarked = withoutMarks(typed);
    QStringView text = unmarked;
    bool negative = false;
    const QString minus = withoutMarks(locale.negativeSign());
    if (text.startsWith(u'-')) {
        negative = true;
        text = text.mid(1);
    } else if (!minus.isEmpty() && text.startsWith(minus)) {
        negative = true;
        text = text.mid(minus.size());
    }
    // Qt keeps the symbol's place, spacing and all, where a locale has none.
    text = trimBlanks(text);

    const QString symbol = withoutMarks(moneySymbol(locale));
    if (!symbol.isEmpty()) {
        if (text.startsWith(symbol))
            text = trimBlanks(text.mid(symbol.size()));
        else if (text.endsWith(symbol))
            text = trimBlanks(text.chopped(symbol.size()));
    }

    // Only digits, grouping and the point may remain: QLocale::toDouble would
    // also take an exponent or a sign, which this form never has.
    // Read by code point: Adlam and Chakma digits lie beyond 16 bits.
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.isEmpty() || !QChar::isDigit(codePoints.front()))
        return std::nullopt;
    const QList<uint> group = locale.groupSeparator().toUcs4();
    const QList<uint> point = locale.decimalPoint().toUcs4();
    for (const uint c : codePoints)
        if (!QChar::isDigit(c) && !group.contains(c) && !point.contains(c))
            return std::nullopt;

    bool ok = false;
    const double magnitude = locale.toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

// The value as its 15-significant-digit decimal text: `digits` holds exactly 15
// digits, the first with place value 10^exponent. std::to_chars is used rather
// than printf because it ignores the C library's locale.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal decimal15(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, 14).ptr;
    const std::string text(buffer, end);  // "-d.dddddddddddddde+XX"
    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

// The digits of |value| * 10^decimals rounded half away from zero, the half
// judged on the decimal digits rather than on the binary double.
std::string scaledDigits(const Decimal &d, int decimals)
{
    const int size = int(d.digits.size());
    const int keep = d.exponent + decimals + 1;
    if (keep <= 0)
        return keep == 0 && d.digits[0] >= '5' ? "1" : "0";
    if (keep >= size)
        return d.digits + std::string(std::size_t(keep - size), '0');
    std::string out = d.digits.substr(0, std::size_t(keep));
    if (d.digits[std::size_t(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && out[std::size_t(i)] == '9')
            out[std::size_t(i--)] = '0';
        if (i < 0)
            out.insert(out.begin(), '1');
        else
            ++out[std::size_t(i)];
    }
    return out;
}

}  // namespace

double leading(const QString &text)
{
    QStringView s(text);
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s = s.mid(1);
    const qsizetype length = numberLength(s);
    return length == 0 ? 0.0 : convert(s.left(length));
}

double full(const QString &text, const QLocale &locale)
{
    const QStringView s = trimBlanks(text);
    if (s.isEmpty())
        throw RuntimeFailure(QStringLiteral("An empty field is not a number"));

    double value = 0;
    if (numberLength(s) == s.size()) {
        value = convert(s);
    } else if (const auto money = localeValue(s, locale)) {
        value = *money;
    } else {
        throw RuntimeFailure(QStringLiteral("\"%1\" is not a number").arg(text));
    }
    if (!std::isfinite(value))
        throw RuntimeFailure(QStringLiteral("\"%1\" is too large a number").arg(text));
    return value;
}

bool isZeroAmount(const QString &text, const QLocale &locale)
{
    try {
        return full(text, locale) == 0;
    } catch (const RuntimeFailure &) {
        return false;
    }
}

QString withDecimalPoint(const QString &text, const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    if (point == u"." || point.isEmpty())
        return text;
    // Digits on both sides of the one separator, and nothing else.
    const QRegularExpression typed(QStringLiteral("^\\s*([+-]?[0-9]+)") + QRegularExpression::escape(point)
                                   + QStringLiteral("([0-9]+)\\s*$"));
    const QRegularExpressionMatch match = typed.match(text);
    if (!match.hasMatch())
        return text;
    return match.captured(1) + u'.' + match.captured(2);
}

bool isNumeric(const QString &text, const QLocale &locale)
{
    try {
        return full(text, locale) == leading(text);
    } catch (const RuntimeFailure &) {
        return false;
    }
}

QString plain(double value)
{
    QString text = QString::number(value, 'g', 15);
    if (text == u"-0")
        text = QStringLiteral("0");
    return text;
}

QString fixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    decimals = std::max(decimals, 0);

    const Decimal d = decimal15(value);
    std::string digits = scaledDigits(d, decimals);
    const auto firstNonZero = digits.find_first_not_of('0');
    digits.erase(0, std::min(firstNonZero, digits.size()));
    const bool isZero = digits.empty();
    if (int(digits.size()) < decimals + 1)
        digits.insert(0, std::size_t(decimals + 1) - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - std::size_t(decimals), 1, '.');
    // A negative that rounds to nothing is written as plain zero, never "-0.0".
    if (d.negative && !isZero)
        digits.insert(digits.begin(), '-');
    return QString::fromLatin1(digits.data(), qsizetype(digits.size()));
}

QString oneDecimal(double value) { return fixed(value, 1); }

QString whole(double value) { return fixed(value, 0); }

QString currency(double value, const QLocale &locale)
{
    // Rounded on the decimal text first, so Qt only ever writes an amount that
    // already has two exact decimals and cannot round the binary value itself.
    const double rounded = fixed(std::fabs(value), 2).toDouble();
    const QString positive = locale.toCurrencyString(rounded, locale.currencySymbol(), 2);
    // Qt's own negative form for some locales is the accounting "(£12.50)".
    return value < 0 && rounded != 0 ? QStringLiteral("-") + positive : positive;
}

int roundEven16(double value)
{
    // Anything this large cannot fit, and the early refusal keeps the
    // 15-digit reading below away from values near the double's limit.
    if (!std::isfinite(value) || std::fabs(value) >= 65536)
        throw RuntimeFailure(QStringLiteral("%1 does not fit a 16-bit integer").arg(plain(value)));

    // The tie is decided on what the user sees, like every other rounding here.
    const Decimal d = decimal15(value);
    std::string text = d.negative ? "-" : "";
    text += d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
    double seen = value;
    std::from_chars(text.data(), text.data() + text.size(), seen);

    const double floor = std::floor(seen);
    const double fraction = seen - floor;
    double nearest = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0))
        nearest = floor + 1;
    if (nearest < -32768 || nearest > 32767)
        throw RuntimeFailure(QStringLiteral("%1 does not fit a 16-bit integer").arg(plain(value)));
    return int(nearest);
}

}  // namespace numbers
