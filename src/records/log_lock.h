#pragma once

#include "platform/platform.h"

#include <QString>
#include <memory>

namespace records {

// Locks a log against the other copies of the program for one read-then-write
// step. When another copy keeps it locked, says so, naming the log by its kind
// ("results", "history") and file name, and gives nothing: the caller then
// writes nothing.
std::unique_ptr<platform::FileLock> lockLog(platform::Platform &desktop, const QString &kind, const QString &fileName);

}  // namespace records
