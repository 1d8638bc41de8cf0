#pragma once

#include "platform/platform.h"

#include <QDate>
#include <QIODevice>
#include <QLocale>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

// The saved meter readings of the history log, taken pairwise: how much water
// each interval between two readings used. Everything is streamed, so a log of
// any length is read in the memory of a few lines, and the median in one count
// for each different figure of units per day.
namespace records {

struct ReadingInterval {
    QDate end;
    double reading = 0;      // the meter at the end of the interval
    qint64 days = 0;
    double units = 0;        // one decimal, as the window's units box
    double unitsPerDay = 0;  // one decimal, per day times 1000, as the window's per-day box
};

// Calls `interval` for each pair of consecutive saved readings, oldest first.
// A saved reading is a line whose first comma-separated field is a date and
// whose second reads as a meter reading of at least 1; heading blocks, blank
// lines and anything else are passed over. A pair whose later date is not
// after the earlier one is no interval (the later reading starts the next).
// Gives the number of saved readings, or nothing when the log could not be read.
std::optional<qint64> forEachInterval(platform::Platform &desktop, const QString &path, const QLocale &locale,
                                      const std::function<void(const ReadingInterval &)> &interval);

struct ReadingSummary {
    qint64 readings = 0;
    qint64 intervals = 0;
    std::deque<ReadingInterval> recent;  // the last intervals, oldest first
    double median = 0;                   // of every interval's units per day
    // True when this many units per day is over 1.5 times the median.
    bool unusual(double unitsPerDay) const;
};

// The whole log summed up in one pass, keeping the last `keep` intervals.
std::optional<ReadingSummary> summariseReadings(platform::Platform &desktop, const QString &path,
                                                const QLocale &locale, int keep);

// Writes every interval as comma-separated text for a spreadsheet: a heading
// row, then ISO dates and plain numbers with a point for decimals, CR LF line
// ends. False when the log could not be read or the device refused a write.
bool writeIntervalsCsv(platform::Platform &desktop, const QString &path, const QLocale &locale, QIODevice &out);

}  // namespace records
