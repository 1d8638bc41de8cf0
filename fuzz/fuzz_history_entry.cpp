// The history entry and its right-aligned columns fed random texts, and a
// random pending entry laid out again for a log of any length.
#include "fuzz_input.h"

#include "platform/single_byte_text.h"
#include "records/history_layout.h"
#include "records/pending_entry.h"
#include "records/record_texts.h"

#include <QStringList>

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
    for (int i = 0; i < 11; ++i)
        *fields[i] = values.at(i);
    const QString line = history::entryLine(entry);
    fuzz::require(line.size() == 99, "an entry keeps its columns");
    for (int width = 0; width <= 12; ++width)
        fuzz::require(records::rightAligned(values.at(11), width).size() == width, "a column keeps its width");
    platform::encodeSingleByte(line);

    const QString pending = QString(values.at(11)).replace(QLatin1Char('~'), records::crlf);
    const QString laidOut = history::laidOutFor(pending, lines, QStringLiteral("VAT"));
    fuzz::require(laidOut.endsWith(pending.split(records::crlf).last()), "the entry itself is kept");
    return 0;
}
