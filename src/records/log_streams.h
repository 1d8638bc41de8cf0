#pragma once

#include "platform/platform.h"

#include <QString>
#include <optional>

// Whole-file work on a log, streamed: however long the log grows, these hold
// one line and a block of the file in memory, never the file.
namespace records {

struct LineCount {
    qint64 lines = 0;
    QString lastLine;  // empty when the file has no line
};

// Reads the file to its end, counting its lines and keeping the last one;
// nothing when it cannot be opened or read.
std::optional<LineCount> countLines(platform::Platform &desktop, const QString &path);

// Replaces the file by its first `keep` lines, each ended by CR LF. The new
// file is written beside the old one and takes its place in one step, so any
// failure, a file that has meanwhile become shorter included, leaves the old
// file exactly as it was.
bool keepFirstLines(platform::Platform &desktop, const QString &path, qint64 keep);

}  // namespace records
