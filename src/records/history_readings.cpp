#include "records/history_readings.h"

#include "calc/numbers.h"
#include "platform/single_byte_text.h"
#include "records/log_dates.h"

#include <cmath>
#include <map>

namespace records {

namespace {

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// Meter readings stop at 999999; anything far beyond is not a reading but a
// damaged line, and would only overflow the sums below.
constexpr double LargestReading = 1e12;

struct SavedReading {
    QDate date;
    double reading = 0;
    // The reading in tenths when it is written as the window writes it: up to
    // seven digits and at most one decimal.
    std::optional<qint64> tenths;
};

std::optional<qint64> tenthsOf(QByteArrayView field)
{
    const qsizetype point = field.indexOf('.');
    const QByteArrayView whole = point < 0 ? field : field.first(point);
    const QByteArrayView decimals = point < 0 ? QByteArrayView() : field.sliced(point + 1);
    if (whole.isEmpty() || whole.size() > 7 || decimals.size() > 1 || (point >= 0 && decimals.isEmpty()))
        return std::nullopt;
    qint64 tenths = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        tenths = tenths * 10 + (c - '0');
    }
    tenths *= 10;
    if (!decimals.isEmpty()) {
        if (decimals[0] < '0' || decimals[0] > '9')
            return std::nullopt;
        tenths += decimals[0] - '0';
    }
    return tenths;
}

std::optional<SavedReading> savedReading(QByteArrayView line, LogDates &dates)
{
    const qsizetype firstComma = line.indexOf(',');
    if (firstComma < 0)
        return std::nullopt;
    QByteArrayView rest = line.sliced(firstComma + 1);
    const qsizetype secondComma = rest.indexOf(',');
    if (secondComma >= 0)
        rest.truncate(secondComma);
    const QByteArrayView readingField = trimmed(rest);
    if (readingField.isEmpty())
        return std::nullopt;
    SavedReading saved;
    saved.tenths = tenthsOf(readingField);
    // A tenth divided by ten is the very double the text reads as.
    saved.reading = saved.tenths ? double(*saved.tenths) / 10
                                 : numbers::leading(platform::decodeSingleByte(readingField.toByteArray()));
    if (!(saved.reading >= 1 && saved.reading < LargestReading))
        return std::nullopt;
    const std::optional<QDate> date = dates.read(trimmed(line.first(firstComma)));
    if (!date)
        return std::nullopt;
    saved.date = *date;
    return saved;
}

// Halves away from zero, as the window's one-decimal form rounds.
qint64 roundedQuotient(qint64 numerator, qint64 denominator)
{
    const qint64 magnitude = (2 * (numerator < 0 ? -numerator : numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

// The window's own rule: the difference read back through its plain text, the
// units in one decimal, and their thousandfold per day in one decimal again.
ReadingInterval intervalBetween(const SavedReading &from, const SavedReading &to)
{
    ReadingInterval interval;
    interval.end = to.date;
    interval.reading = to.reading;
    interval.days = from.date.daysTo(to.date);
    if (from.tenths && to.tenths) {
        // The same rule worked in whole tenths. Readings under ten million
        // keep the floating-point noise far below anything the rounding to 15
        // digits or to one decimal could notice, so both give the same digits.
        const qint64 used = *to.tenths - *from.tenths;
        interval.units = double(used) / 10;
        interval.unitsPerDay = double(roundedQuotient(used * 1000, interval.days)) / 10;
        return interval;
    }
    const double used = numbers::leading(numbers::plain(to.reading - from.reading));
    interval.units = numbers::leading(numbers::oneDecimal(used));
    interval.unitsPerDay = numbers::leading(numbers::oneDecimal(interval.units * 1000 / double(interval.days)));
    return interval;
}

}  // namespace

std::optional<qint64> forEachInterval(platform::Platform &desktop, const QString &path, const QLocale &locale,
                                      const std::function<void(const ReadingInterval &)> &interval)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return std::nullopt;
    // Two-digit years are read against the present year, as everywhere.
    LogDates dates(locale, desktop.now().date().year());
    std::optional<SavedReading> previous;
    qint64 readings = 0;
    while (!reader->atEnd()) {
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line)
            return std::nullopt;
        const std::optional<SavedReading> saved = savedReading(*line, dates);
        if (!saved)
            continue;
        ++readings;
        if (previous && previous->date < saved->date)
            interval(intervalBetween(*previous, *saved));
        previous = saved;
    }
    return readings;
}

bool ReadingSummary::unusual(double unitsPerDay) const { return unitsPerDay > 1.5 * median; }

std::optional<ReadingSummary> summariseReadings(platform::Platform &desktop, const QString &path,
                                                const QLocale &locale, int keep)
{
    ReadingSummary summary;
    // Units per day have one decimal, so a count of each value seen finds the
    // exact median in the memory of the distinct values, not of the intervals.
    std::map<qint64, qint64> tenthsSeen;
    const std::optional<qint64> readings = forEachInterval(desktop, path, locale, [&](const ReadingInterval &i) {
        ++summary.intervals;
        ++tenthsSeen[std::llround(i.unitsPerDay * 10)];
        summary.recent.push_back(i);
        if (qsizetype(summary.recent.size()) > keep)
            summary.recent.pop_front();
    });
    if (!readings)
        return std::nullopt;
    summary.readings = *readings;
    if (summary.intervals > 0) {
        // The middle value, or the mean of the two middle values.
        const qint64 lower = (summary.intervals - 1) / 2, upper = summary.intervals / 2;
        qint64 passed = 0;
        std::optional<qint64> low;
        for (const auto &[tenths, count] : tenthsSeen) {
            passed += count;
            if (!low && passed > lower)
                low = tenths;
            if (passed > upper) {
                summary.median = double(*low + tenths) / 20;
                break;
            }
        }
    }
    return summary;
}

bool writeIntervalsCsv(platform::Platform &desktop, const QString &path, const QLocale &locale, QIODevice &out)
{
    // Every text below is ASCII, so the bytes are UTF-8 as they stand.
    QByteArray block = "date,reading,days,units,units_per_day\r\n";
    bool written = true;
    auto flush = [&] {
        written = written && out.write(block) == block.size();
        block.clear();
    };
    const std::optional<qint64> readings = forEachInterval(desktop, path, locale, [&](const ReadingInterval &i) {
        block += i.end.toString(Qt::ISODate).toLatin1();
        block += ',' + numbers::oneDecimal(i.reading).toLatin1();
        block += ',' + QByteArray::number(i.days);
        block += ',' + numbers::oneDecimal(i.units).toLatin1();
        block += ',' + numbers::oneDecimal(i.unitsPerDay).toLatin1();
        block += "\r\n";
        if (block.size() >= 64 * 1024)
            flush();
    });
    flush();
    return readings && written;
}

}  // namespace records
