#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// Date reading, writing and calendar arithmetic.
namespace dates {

// Accepts the locale's short date form with a two- or four-digit year (00-29 are
// 2000-2029, 30-99 are 1930-1999), "dd-mmm-yyyy" with the locale's or the English
// month abbreviations (any letter case), and ISO "yyyy-mm-dd". Surrounding blanks
// are ignored. Anything else gives no date.
std::optional<QDate> parse(const QString &text, const QLocale &locale);

// The locale's short date format with the year widened to four digits.
QString shortDate(const QDate &date, const QLocale &locale);

// Short date of the date part, a space and "hh:mm:ss" (24-hour).
QString shortDateTime(const QDateTime &moment, const QLocale &locale);

// "05-Dec-2019", the month abbreviation from the locale.
QString ddMmmYyyy(const QDate &date, const QLocale &locale);

// "05-Dec-26 10:15:42", the month abbreviation from the locale.
QString ddMmmYyTime(const QDateTime &moment, const QLocale &locale);

// Calendar-month addition; a day that does not exist in the target month becomes
// that month's last day (31 January plus one month is the end of February).
QDate addMonths(const QDate &date, int months);

}  // namespace dates
