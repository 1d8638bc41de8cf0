#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// Date reading, writing and calendar arithmetic.
namespace dates {

// Accepts the locale's short date form with a two- or four-digit year, "dd-mmm-yyyy"
// with the locale's or the English month abbreviations (any letter case), and ISO
// "yyyy-mm-dd". A two-digit year yy is 20yy unless that is after `currentYear`, then
// 19yy, so it never names a future year. Surrounding blanks are ignored. Anything
// else gives no date.
std::optional<QDate> parse(const QString &text, const QLocale &locale, int currentYear);

// The locale's short date format with the year widened to four digits.
QString shortDate(const QDate &date, const QLocale &locale);

// Short date of the date part, a space and "hh:mm:ss" (24-hour).
QString shortDateTime(const QDateTime &moment, const QLocale &locale);

// "05-Dec-2019": the first three letters of the locale's month abbreviation, so
// that the date always takes eleven characters.
QString ddMmmYyyy(const QDate &date, const QLocale &locale);

// "05-Dec-26 10:15:42", the month abbreviation from the locale.
QString ddMmmYyTime(const QDateTime &moment, const QLocale &locale);

// Calendar-month addition; a day that does not exist in the target month becomes
// that month's last day (31 January plus one month is the end of February).
QDate addMonths(const QDate &date, int months);

}  // namespace dates
