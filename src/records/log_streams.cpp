#include "records/log_streams.h"

#include "platform/single_byte_text.h"

#include <cstring>

namespace records {

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
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line)
            return std::nullopt;
        last.resize(line->size());
        if (!line->isEmpty())
            std::memcpy(last.data(), line->data(), line->size());
        ++count.lines;
    }
    count.lastLine = platform::decodeSingleByte(last);
    return count;
}

bool keepFirstLines(platform::Platform &desktop, const QString &path, qint64 keep)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return false;
    std::unique_ptr<platform::LineWriter> writer = desktop.beginReplace(path);
    if (!writer)
        return false;
    for (qint64 i = 0; i < keep; ++i) {
        if (reader->atEnd())
            return false;
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line || !writer->writeStoredLine(*line))
            return false;
    }
    // The old file is let go before the new one takes its name.
    reader.reset();
    return writer->commit();
}

}  // namespace records
