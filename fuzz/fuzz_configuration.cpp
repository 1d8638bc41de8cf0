// The configuration file reader: every line of a random file read, and the
// values of the keys it finds turned into what the window would hold.
#include "fuzz_input.h"

#include "core/runtime_failure.h"
#include "calc/numbers.h"
#include "platform/single_byte_text.h"
#include "settings/configuration_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString file = platform::decodeSingleByte(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (QString line : file.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const settings::ConfigurationLine read = settings::readConfigurationLine(line);
        fuzz::require(read.skipped == (line.isEmpty() || line.startsWith(QLatin1Char('#'))), "skips exactly the comments");
        if (read.skipped)
            continue;
        fuzz::require(line.contains(read.trimmed), "the echo is the line");
        if (read.key.isEmpty())
            continue;
        fuzz::require(read.trimmed == read.key + QLatin1Char('=') + read.value, "a key is the start of its line");
        const double number = numbers::leading(read.value);
        numbers::plain(number);
        numbers::plain(number - 1);
        try {
            numbers::roundEven16(number);
        } catch (const RuntimeFailure &) {
        }
    }
    return 0;
}
