#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace calc {

// What the arithmetic needs to know of the user's desktop: how they write
// numbers, money and dates, and the year of the clock, the last year a
// reading may be dated.
struct Context {
    QLocale locale;
    int currentYear = 0;

    // A date as the user or a log wrote it.
    std::optional<QDate> readDate(const QString &text) const;
    // The date, or a RuntimeFailure when the text is not a date.
    QDate dateIn(const QString &text) const;
};

}  // namespace calc
