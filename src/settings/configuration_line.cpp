#include "settings/configuration_line.h"

namespace settings {

namespace {

// Only blanks are trimmed: a tab before a key is part of the line, as it always
// was for this file.
QString trimBlanks(const QString &line)
{
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && line.at(last - 1) == QLatin1Char(' '))
        --last;
    return line.mid(first, last - first);
}

}  // namespace

ConfigurationLine readConfigurationLine(const QString &line)
{
    ConfigurationLine read;
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
        read.skipped = true;
        return read;
    }
    read.trimmed = trimBlanks(line);
    for (const char *key : ConfigurationKeys) {
        const QString prefix = QLatin1String(key) + QLatin1Char('=');
        if (read.trimmed.startsWith(prefix)) {
            read.key = QLatin1String(key);
            read.value = read.trimmed.mid(prefix.size());
            break;
        }
    }
    read.section = read.trimmed == QStringLiteral("[Run]") || read.trimmed == QStringLiteral("[Data]");
    return read;
}

}  // namespace settings
