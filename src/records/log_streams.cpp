#include "records/log_streams.h"

#include "platform/single_byte_text.h"

#include <cstring>

namespace records {

std::optional<qint64> LineCount::startOfLine(qint64 index) const
{
    if (index == lines)
        return bytes;
    if (index < 0 || index > lines || index < lines - Remembered)
        return std::nullopt;
    return recentStarts[index % Remembered];
}

std::optional<LineCount> countLines(platform::Platform &desktop, const QString &path)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return std::nullopt;
    LineCount count;
    // Only the last line is wanted as text; the others are passed over as
    // stored, the last one's bytes kept in a buffer that is reused.
    QByteArray last;
    while (!reader->atEnd()) {
        count.recentStarts[count.lines % LineCount::Remembered] = reader->position();
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line)
            return std::nullopt;
        last.resize(line->size());
        if (!line->isEmpty())
            std::memcpy(last.data(), line->data(), line->size());
        ++count.lines;
    }
    count.bytes = reader->position();
    count.lastLine = platform::decodeSingleByte(last);
    return count;
}

namespace {

// Reads the file anew up to the start of line `index`.
std::optional<qint64> findStartOfLine(platform::Platform &desktop, const QString &path, qint64 index)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return std::nullopt;
    for (qint64 i = 0; i < index; ++i) {
        if (reader->atEnd() || !reader->readStoredLine())
            return std::nullopt;
    }
    return reader->position();
}

}  // namespace

bool keepFirstLines(platform::Platform &desktop, const QString &path, const LineCount &counted, qint64 keep)
{
    std::optional<qint64> cut = counted.startOfLine(keep);
    // Time may have passed since the count, a question answered perhaps, and
    // another program may have written to the file meanwhile.
    if (!cut || desktop.fileSize(path) != counted.bytes)
        cut = findStartOfLine(desktop, path, keep);
    return cut && desktop.keepStartOfFile(path, *cut);
}

}  // namespace records
