#pragma once

#include "platform/platform.h"

#include <QString>
#include <functional>
#include <optional>

// Writing the two logs. Each log is named by its kind ("results", "history")
// and file name in the messages about it.
namespace records {

// A new log's whole content, `created` being the date line of its title.
QString newResultsLog(const QString &created);
QString newHistoryLog(const QString &created, const QString &taxWord);

// Writes the log unless it is there already. The log is written whole beside
// its final name, so a failure leaves no empty or half-titled log for later
// operations to trip over; and under the lock, so that a copy starting at the
// same moment cannot replace a log into which another has already saved.
// False only when the log was missing and could not be written.
bool createUnlessPresent(platform::Platform &desktop, const QString &kind, const QString &fileName,
                         const QString &content);

// Appends `entry`, made under the log's lock so that it can fit the log as it
// is at the moment of the append (nothing when the log could not be read).
// False, after a message, when nothing was written.
bool appendEntry(platform::Platform &desktop, const QString &kind, const QString &fileName,
                 const std::function<std::optional<QString>()> &entry);

// Appends the pending history text laid out for the log as it is now: another
// copy may have saved or removed entries since the text was prepared.
bool appendHistoryEntry(platform::Platform &desktop, const QString &fileName, const QString &pending,
                        const QString &taxWord);

}  // namespace records
