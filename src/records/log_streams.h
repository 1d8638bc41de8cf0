#pragma once

#include "platform/platform.h"

#include <QString>
#include <array>
#include <optional>

// Whole-file work on a log, streamed: however long the log grows, these hold
// one line and a block of the file in memory, never the file.
namespace records {

struct LineCount {
    qint64 lines = 0;
    qint64 bytes = 0;   // the file's length as it was read
    QString lastLine;   // empty when the file has no line

    // Where line `index` (from 0) starts, for the last few lines and the end
    // of the file; nothing for lines further back.
    std::optional<qint64> startOfLine(qint64 index) const;

    static constexpr qint64 Remembered = 8;
    std::array<qint64, Remembered> recentStarts{};  // line i's start at [i % Remembered]
};

// Reads the file to its end, counting its lines and keeping the last one;
// nothing when it cannot be opened or read.
std::optional<LineCount> countLines(platform::Platform &desktop, const QString &path);

// Cuts the file, as `counted` found it, to its first `keep` lines as they are
// stored. The lines kept are never rewritten and the cut is one step, so any
// failure, a file that has meanwhile become shorter included, leaves the file
// exactly as it was.
bool keepFirstLines(platform::Platform &desktop, const QString &path, const LineCount &counted, qint64 keep);

}  // namespace records
