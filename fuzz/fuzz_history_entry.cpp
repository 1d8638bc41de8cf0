// The history entry and its right-aligned columns fed random texts, and a
// random pending entry laid out again for a log of any length.
#include "fuzz_input.h"

#include "platform/single_byte_text.h"
#include "records/history_layout.h"
#include "records/pending_entry.h"
#include "records/record_texts.h"

#include <QStringList>
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const qint64 lines = data[0] * 7 + data[1];
    const QString text = fuzz::text(data + 2, size - 2);
    QStringList values = text.split(QLatin1Char('|'));
    values.resize(12);

    namespace history = records::history;
    history::Entry entry;
    QString *fields[] = {&entry.date, &entry.reading, &entry.waterVolume, &entry.waterFixed, &entry.sewageVolume,
                         &entry.sewageFixed, &entry.allowance, &entry.taxRate, &entry.discount1, &entry.discount2,
                         &entry.period};
    // The columns' widths: a value that fits keeps the line at its 99 characters.
    const int widths[] = {11, 7, 7, 7, 7, 7, 5, 4, 8, 7, 6};
    bool fits = true;
    for (int i = 0; i < 11; ++i) {
        *fields[i] = values.at(i);
        fits = fits && values.at(i).size() <= widths[i];
    }
    const QString line = history::entryLine(entry);
    fuzz::require(fits ? line.size() == 99 : line.size() > 99, "an entry is as wide as its columns, or its values");
    for (int width = 0; width <= 12; ++width) {
        const QString aligned = records::rightAligned(values.at(11), width);
        fuzz::require(aligned.endsWith(values.at(11)) && aligned.size() == std::max<qsizetype>(width, values.at(11).size()),
                      "a value is padded to its column, never cut");
    }
    // Get Last reads back the date and the reading that were written.
    if (!entry.date.contains(u',') && !entry.reading.contains(u','))
        fuzz::require(history::dateField(line) == entry.date.trimmed() && history::readingField(line) == entry.reading.trimmed(),
                      "the date and reading read back whole");
    platform::encodeSingleByte(line);

    const QString pending = QString(values.at(11)).replace(QLatin1Char('~'), records::crlf);
    const QString laidOut = history::laidOutFor(pending, lines, QStringLiteral("VAT"));
    fuzz::require(laidOut.endsWith(pending.split(records::crlf).last()), "the entry itself is kept");
    return 0;
}
