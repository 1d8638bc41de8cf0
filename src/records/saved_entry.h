#pragma once

#include "calc/context.h"
#include "platform/platform.h"
#include "records/history_layout.h"
#include "records/log_streams.h"

#include <QDate>
#include <QString>
#include <optional>

// The last reading saved in the history log: finding it, reading it back and
// taking it away again.
namespace records::history {

// The history log's count and its last line that holds a dated entry, one
// whose first field reads as a date (index -1 when there is none, or no log).
struct SavedEntry {
    LineCount log;
    NumberedLine entry;

    // False for a log of nothing but its title and headings.
    bool holdsReading() const { return log.lines > HeaderLines && entry.index >= 0; }
};

// Nothing when the log cannot be read.
std::optional<SavedEntry> lastSavedEntry(platform::Platform &desktop, const QString &fileName);

// A new reading must be dated after the last one saved; a date that cannot
// be read, either one, is left to the other checks.
bool followsSavedEntry(const QString &date, const NumberedLine &saved, const calc::Context &context);

// The date and meter reading an entry saved, when it saved a reading of at
// least 1 under a date that reads.
struct SavedReading {
    QDate date;
    QString reading;
};
std::optional<SavedReading> savedReading(const NumberedLine &entry, const calc::Context &context);

// Removes the entry, and the heading block above it when it opens a page.
// False, with the log as it was, when that failed.
bool removeSavedEntry(platform::Platform &desktop, const QString &fileName, const SavedEntry &saved);

}  // namespace records::history
