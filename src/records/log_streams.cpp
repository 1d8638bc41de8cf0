#include "records/log_streams.h"

#include "platform/single_byte_text.h"

#include <QStringList>
#include <algorithm>
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

std::optional<QString> LineCount::recentLine(qint64 index) const
{
    if (index < 0 || index >= lines || index < lines - Remembered)
        return std::nullopt;
    return platform::decodeSingleByte(recentTexts[index % Remembered]);
}

std::optional<LineCount> countLines(platform::Platform &desktop, const QString &path)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return std::nullopt;
    LineCount count;
    // Only the last few lines are wanted as text; the others are passed over
    // as stored, each kept in a buffer of the ring that is reused.
    while (!reader->atEnd()) {
        const qint64 slot = count.lines % LineCount::Remembered;
        count.recentStarts[slot] = reader->position();
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line)
            return std::nullopt;
        QByteArray &kept = count.recentTexts[slot];
        kept.resize(line->size());
        if (!line->isEmpty())
            std::memcpy(kept.data(), line->data(), line->size());
        ++count.lines;
    }
    count.bytes = reader->position();
    return count;
}

std::optional<NumberedLine> lastLineWhere(platform::Platform &desktop, const QString &path, const LineCount &counted,
                                          const std::function<bool(const QString &)> &wanted)
{
    const qint64 oldestRemembered = std::max<qint64>(0, counted.lines - LineCount::Remembered);
    for (qint64 index = counted.lines - 1; index >= oldestRemembered; --index) {
        const QString text = *counted.recentLine(index);
        if (wanted(text))
            return NumberedLine{index, text};
    }
    NumberedLine found;
    if (oldestRemembered == 0)
        return found;
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return std::nullopt;
    for (qint64 index = 0; index < oldestRemembered && !reader->atEnd(); ++index) {
        const std::optional<QString> line = reader->readLine();
        if (!line)
            return std::nullopt;
        if (wanted(*line))
            found = NumberedLine{index, *line};
    }
    return found;
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

bool removeLines(platform::Platform &desktop, const QString &path, const LineCount &counted, qint64 first,
                 qint64 count)
{
    if (first + count >= counted.lines)
        return keepFirstLines(desktop, path, counted, first);
    // Only a hand-edited log has lines after its last entry; such a log is
    // small, and is rewritten whole.
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return false;
    QStringList kept;
    for (qint64 index = 0; !reader->atEnd(); ++index) {
        const std::optional<QString> line = reader->readLine();
        if (!line)
            return false;
        if (index < first || index >= first + count)
            kept << *line;
    }
    reader.reset();
    return desktop.replaceFile(path, kept.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

}  // namespace records
