#pragma once

#include "platform/platform.h"

#include <QString>
#include <optional>

// Archiving the results log: a copy under a dated name, then a new log.
namespace records::archive {

// A log holds data once a report has been saved into it. Nothing when the
// log cannot be read.
std::optional<bool> holdsData(platform::Platform &desktop, const QString &path);

// The first free archive name of the platform's day, counting from 1;
// nothing once the day's counter is used up.
std::optional<QString> nextName(platform::Platform &desktop);

}  // namespace records::archive
