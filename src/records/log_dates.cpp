#include "records/log_dates.h"

#include "calc/dates.h"
#include "platform/single_byte_text.h"

#include <algorithm>

namespace records {

namespace {

// The same rule dates::parse applies to two-digit years.
int fullYear(const LogDates::Field &field, int currentYear)
{
    if (field.width != 2)
        return field.value;
    return 2000 + field.value <= currentYear ? 2000 + field.value : 1900 + field.value;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80; }

// The three fields of a date text; nothing for any other number of fields or
// for a field too long to be a day, a month or a year.
std::optional<LogDates::Fields> fieldsOf(QByteArrayView text)
{
    if (text.size() > LogDates::MaxLength)
        return std::nullopt;
    LogDates::Fields fields;
    fields.shape = QByteArray(text.data(), text.size());
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digit = isDigit(c), letter = isLetter(c);
        if (!digit && !letter)
            continue;
        const bool starts = i == 0 || isDigit(text[i - 1]) != digit || isLetter(text[i - 1]) != letter;
        if (starts && ++count > 3)
            return std::nullopt;
        LogDates::Field &field = fields.field[count - 1];
        if (digit) {
            fields.shape[i] = 'N';
            if (++field.width > 4)
                return std::nullopt;
            field.value = field.value * 10 + (c - '0');
        } else {
            fields.shape[i] = 'A';
            ++field.width;
            field.letters = text.sliced(i - field.width + 1, field.width);
        }
    }
    if (count != 3)
        return std::nullopt;
    return fields;
}

bool isName(const LogDates::Field &field) { return !field.letters.isEmpty(); }

}  // namespace

std::optional<QDate> LogDates::read(QByteArrayView text)
{
    // Every date dates::parse reads has a year in digits; the heading lines'
    // "Date" and dashes are passed over at once.
    if (std::none_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    const std::optional<Fields> fields = fieldsOf(text);
    if (!fields)
        return parse(text);

    const auto known = std::find_if(m_forms.begin(), m_forms.end(), [&](const Form &f) { return f.shape == fields->shape; });
    if (known == m_forms.end())
        return parseAndLearn(text, *fields, nullptr);
    int month = 0;
    const Field &monthField = fields->field[known->month];
    if (isName(monthField)) {
        const auto name = std::find_if(known->months.begin(), known->months.end(),
                                       [&](const auto &seen) { return seen.first == monthField.letters; });
        if (name == known->months.end())
            return parseAndLearn(text, *fields, &*known);
        month = name->second;
    } else {
        month = monthField.value;
    }
    const QDate date(fullYear(fields->field[known->year], m_currentYear), month, fields->field[known->day].value);
    if (date.isValid())
        return date;
    // Not a date this way round; the full parser may yet read it another way.
    return parse(text);
}

std::optional<QDate> LogDates::parse(QByteArrayView text)
{
    ++m_fullParses;
    return dates::parse(platform::decodeSingleByte(text.toByteArray()), m_locale, m_currentYear);
}

std::optional<QDate> LogDates::parseAndLearn(QByteArrayView text, const Fields &fields, Form *known)
{
    const std::optional<QDate> date = parse(text);
    // A log holds a handful of forms and a dozen month names; a log of junk
    // must not grow these without end.
    constexpr std::size_t MaxForms = 8, MaxNames = 64;
    if (!date)
        return date;
    if (known) {
        const Field &day = fields.field[known->day], &year = fields.field[known->year];
        if (day.value == date->day() && fullYear(year, m_currentYear) == date->year() && known->months.size() < MaxNames)
            known->months.emplace_back(fields.field[known->month].letters.toByteArray(), date->month());
        return date;
    }
    if (m_forms.size() >= MaxForms)
        return date;
    // Learnt only when exactly one order of the fields gives the date: 05/05
    // could be either way round, and the next date will tell.
    static constexpr int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    const int *found = nullptr;
    for (const auto &order : orders) {
        const Field &day = fields.field[order[0]], &month = fields.field[order[1]], &year = fields.field[order[2]];
        if (isName(day) || isName(year) || day.value != date->day() || fullYear(year, m_currentYear) != date->year())
            continue;
        if (!isName(month) && month.value != date->month())
            continue;
        if (found)
            return date;
        found = order;
    }
    if (!found)
        return date;
    Form form{fields.shape, found[0], found[1], found[2], {}};
    if (isName(fields.field[found[1]]))
        form.months.emplace_back(fields.field[found[1]].letters.toByteArray(), date->month());
    m_forms.push_back(std::move(form));
    return date;
}

}  // namespace records
