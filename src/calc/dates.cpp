#include "calc/dates.h"

#include "calc/characters.h"
#include "platform/single_byte_text.h"

#include <QRegularExpression>
#include <QTime>

namespace dates {
namespace {

enum class Field { Day, Month, MonthName, Year, Ignored };

// A two-digit year never lies ahead: readings are taken, not planned.
int fullYear(const QString &digits, int currentYear)
{
    const int year = digits.toInt();
    if (digits.size() != 2)
        return year;
    return 2000 + year <= currentYear ? 2000 + year : 1900 + year;
}

// A locale's abbreviation without the full stop some locales append ("Dez."),
// so that "Dez" and "Dez." both read and the written form stays one word.
QString bareAbbreviation(const QString &name)
{
    return name.endsWith(u'.') ? name.chopped(1) : name;
}

QString threeLetters(int month, const QLocale &locale)
{
    return characters::first(bareAbbreviation(locale.monthName(month, QLocale::ShortFormat)), 3);
}

// The month whose three-letter form is `letters`, 0 when there is none or when two
// months of the locale share it ("jui" for both "juin" and "juil." in French).
int uniqueThreeLetterMonth(const QString &letters, const QLocale &locale)
{
    int found = 0;
    for (int month = 1; month <= 12; ++month) {
        if (threeLetters(month, locale).compare(letters, Qt::CaseInsensitive) == 0) {
            if (found != 0)
                return 0;
            found = month;
        }
    }
    return found;
}

int monthFromName(const QString &name, const QLocale &locale)
{
    const QString wanted = bareAbbreviation(name);
    const QLocale english = QLocale::c();
    for (const QLocale &source : {locale, english}) {
        for (int month = 1; month <= 12; ++month) {
            for (const QString &candidate : {source.monthName(month, QLocale::ShortFormat),
                                             source.standaloneMonthName(month, QLocale::ShortFormat),
                                             source.monthName(month, QLocale::LongFormat)}) {
                if (!candidate.isEmpty()
                    && bareAbbreviation(candidate).compare(wanted, Qt::CaseInsensitive) == 0)
                    return month;
            }
        }
        if (characters::count(wanted) == 3) {
            if (const int month = uniqueThreeLetterMonth(wanted, source))
                return month;
        }
    }
    return 0;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// A pattern for the locale's own date format. Qt's parser is not used because
// it reads "yy" as 19yy, which would misjudge 29/02/00 and the century window,
// and because each field here accepts one or two digits whatever the format.
struct FormatPattern {
    QRegularExpression expression;
    QList<Field> fields;
};

// Digits of any script as ASCII digits, without the direction marks some
// locales put between the fields: the short form that such a locale writes
// ("٥‏/١٢‏/٢٠١٩") then reads back like any other.
QString withoutMarks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    // By code point: Adlam and Chakma digits lie beyond 16 bits.
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Format)
            continue;
        if (QChar::isDigit(c) && c > 0x7f)
            out += QChar(u'0' + QChar::digitValue(c));
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

FormatPattern patternFor(const QString &format)
{
    FormatPattern result;
    QString pattern = QStringLiteral("^");
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted text is literal; two quotes stand for one, inside or out.
            QString literal;
            qsizetype j = i + 1;
            if (j < n && format[j] == u'\'') {
                literal = QStringLiteral("'");
                ++j;
            } else {
                while (j < n) {
                    if (format[j] == u'\'' && j + 1 < n && format[j + 1] == u'\'') {
                        literal += u'\'';
                        j += 2;
                    } else if (format[j] == u'\'') {
                        ++j;
                        break;
                    } else {
                        literal += format[j++];
                    }
                }
            }
            pattern += QRegularExpression::escape(literal);
            i = j;
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && format[i + run] == c)
            ++run;
        if (c == u'd' && run <= 2) {
            pattern += QStringLiteral("([0-9]{1,2})");
            result.fields << Field::Day;
        } else if (c == u'd') {
            pattern += QStringLiteral("([^\\s0-9]+)");
            result.fields << Field::Ignored;
        } else if (c == u'M' && run <= 2) {
            pattern += QStringLiteral("([0-9]{1,2})");
            result.fields << Field::Month;
        } else if (c == u'M') {
            pattern += QStringLiteral("([^\\s0-9]+)");
            result.fields << Field::MonthName;
        } else if (c == u'y') {
            pattern += QStringLiteral("([0-9]{4}|[0-9]{2})");
            result.fields << Field::Year;
        } else {
            pattern += QRegularExpression::escape(QString(run, c));
        }
        i += run;
    }
    pattern += u'$';
    result.expression = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
    return result;
}

std::optional<QDate> parseLocaleForm(const QString &text, const QLocale &locale, int currentYear)
{
    const FormatPattern form = patternFor(withoutMarks(locale.dateFormat(QLocale::ShortFormat)));
    const QRegularExpressionMatch match = form.expression.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < form.fields.size(); ++i) {
        const QString part = match.captured(i + 1);
        switch (form.fields[i]) {
        case Field::Day: day = part.toInt(); break;
        case Field::Month: month = part.toInt(); break;
        case Field::MonthName: month = monthFromName(part, locale); break;
        case Field::Year: year = fullYear(part, currentYear); break;
        case Field::Ignored: break;
        }
    }
    if (year == 0 || month == 0 || day == 0)
        return std::nullopt;
    return validDate(year, month, day);
}

std::optional<QDate> parseDayMonthName(const QString &text, const QLocale &locale, int currentYear)
{
    // Month abbreviations may hold digits ("1月"), as the ones written here do
    // in some locales.
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{1,2})-([^-\\s]+)-([0-9]{4}|[0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = monthFromName(match.captured(2), locale);
    if (month == 0)
        return std::nullopt;
    return validDate(fullYear(match.captured(3), currentYear), month, match.captured(1).toInt());
}

std::optional<QDate> parseIso(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return validDate(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
}

// Widens each unquoted "yy" to "yyyy", leaving quoted text and "yyyy" alone.
QString withFourDigitYear(const QString &format)
{
    QString out;
    bool quoted = false;
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
            ++i;
            continue;
        }
        if (quoted || c != u'y') {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && format[i + run] == u'y')
            ++run;
        out += run == 2 ? QStringLiteral("yyyy") : QString(run, u'y');
        i += run;
    }
    return out;
}

// Three letters keep the date within its eleven-character log column. Where two of
// the locale's months would share them, or it has no names, or they hold what the
// reader takes for the date's own punctuation (Mongolian "1-р", Thai "มี."), or
// letters the logs' code page lacks (Arabic, Cyrillic, Korean), the English ones
// serve, so that the date still reads back from the log.
QString monthAbbreviation(int month, const QLocale &locale)
{
    const QString letters = threeLetters(month, locale);
    if (letters.size() == 3 && !letters.contains(u'-') && !letters.endsWith(u'.')
        && uniqueThreeLetterMonth(letters, locale) == month
        && platform::decodeSingleByte(platform::encodeSingleByte(letters)) == letters)
        return letters;
    return QLocale::c().monthName(month, QLocale::ShortFormat);
}

QString clock(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, QStringLiteral("hh:mm:ss"));
}

}  // namespace

std::optional<QDate> parse(const QString &text, const QLocale &locale, int currentYear)
{
    const QString t = withoutMarks(text).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    if (auto date = parseIso(t))
        return date;
    if (auto date = parseLocaleForm(t, locale, currentYear))
        return date;
    return parseDayMonthName(t, locale, currentYear);
}

QString shortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, withFourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
}

QString shortDateTime(const QDateTime &moment, const QLocale &locale)
{
    return shortDate(moment.date(), locale) + u' ' + clock(moment.time(), locale);
}

QString ddMmmYyyy(const QDate &date, const QLocale &locale)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(monthAbbreviation(date.month(), locale))
        .arg(date.year(), 4, 10, QChar(u'0'));
}

QString ddMmmYyTime(const QDateTime &moment, const QLocale &locale)
{
    const QDate date = moment.date();
    return QStringLiteral("%1-%2-%3 %4")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(monthAbbreviation(date.month(), locale))
        .arg(date.year() % 100, 2, 10, QChar(u'0'))
        .arg(clock(moment.time(), locale));
}

QDate addMonths(const QDate &date, int months)
{
    // QDate already clamps to the target month's last day.
    return date.addMonths(months);
}

}  // namespace dates
