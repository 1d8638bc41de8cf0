#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <optional>

// Whole-file work on a log, streamed: however long the log grows, these hold
// a few lines and a block of the file in memory, never the file.
namespace records {

struct LineCount {
    qint64 lines = 0;
    qint64 bytes = 0;   // the file's length as it was read

    // Where line `index` (from 0) starts, for the last few lines and the end
    // of the file; nothing for lines further back.
    std::optional<qint64> startOfLine(qint64 index) const;
    // The text of line `index`, for the last few lines only.
    std::optional<QString> recentLine(qint64 index) const;

    static constexpr qint64 Remembered = 8;
    std::array<qint64, Remembered> recentStarts{};  // line i's start at [i % Remembered]
    std::array<QByteArray, Remembered> recentTexts;  // line i as stored at [i % Remembered]
};

// Reads the file to its end, counting its lines and keeping the last few;
// nothing when it cannot be opened or read.
std::optional<LineCount> countLines(platform::Platform &desktop, const QString &path);

// A line of a log and where it stands; index -1 when there is no such line.
struct NumberedLine {
    qint64 index = -1;
    QString text;
};

// The last line of the counted file for which `wanted` holds. The lines the
// count remembers are tried first; the file is read again only when none of
// them is wanted. Nothing when that reading fails.
std::optional<NumberedLine> lastLineWhere(platform::Platform &desktop, const QString &path, const LineCount &counted,
                                          const std::function<bool(const QString &)> &wanted);

// Cuts the file, as `counted` found it, to its first `keep` lines as they are
// stored. The lines kept are never rewritten and the cut is one step, so any
// failure, a file that has meanwhile become shorter included, leaves the file
// exactly as it was.
bool keepFirstLines(platform::Platform &desktop, const QString &path, const LineCount &counted, qint64 keep);

// Removes `count` lines from line `first` on. Lines at the end of the file are
// cut off as keepFirstLines does; lines followed by others mean the file is
// written anew beside the old one and takes its place in one step.
bool removeLines(platform::Platform &desktop, const QString &path, const LineCount &counted, qint64 first,
                 qint64 count);

}  // namespace records
