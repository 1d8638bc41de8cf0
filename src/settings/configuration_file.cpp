#include "settings/configuration_file.h"

#include "core/runtime_failure.h"
#include "core/version.h"
#include "calc/dates.h"
#include "calc/numbers.h"

#include <QStringList>

namespace settings {

namespace {

const QString crlf = QStringLiteral("\r\n");

// Each key names what it fills; fields hold the stored number less one,
// except the water volume charge, which is stored as shown.
struct FieldKey {
    const char *key;
    QString calc::Tariff::*field;
    double offset;
};
using T = calc::Tariff;
const FieldKey fieldKeys[] = {
    {"Disc1", &T::discount1, 1},           {"Disc2", &T::discount2, 1},
    {"SVAllow", &T::sewageAllowance, 1},   {"SFCharge", &T::sewageFixedCharge, 1},
    {"WVRate", &T::waterVolumeCharge, 0},  {"SVRate", &T::sewageVolumeCharge, 1},
    {"Predict", &T::predictionPeriods, 1}, {"WFCharge", &T::waterFixedCharge, 1},
    {"VRate", &T::taxRate, 1},
};

void take(const ConfigurationLine &line, Configuration &read)
{
    const double number = numbers::leading(line.value);
    StoredOptions &options = read.options;
    if (line.key == QStringLiteral("LogLevel"))
        options.LogLevel = float(number);
    else if (line.key == QStringLiteral("RunOnTop"))
        options.RunOnTop = numbers::roundEven16(number);
    else if (line.key == QStringLiteral("VUnits"))
        options.VUnits = numbers::roundEven16(number);
    else if (line.key == QStringLiteral("Disc1PT"))
        options.Disc1PT = numbers::plain(number);
    else if (line.key == QStringLiteral("Disc2FT"))
        options.Disc2FT = numbers::plain(number);
    else if (line.key == QStringLiteral("PSize"))
        options.PSize = numbers::plain(number);
    for (const FieldKey &k : fieldKeys) {
        if (line.key == QLatin1String(k.key))
            read.tariff.*k.field = numbers::plain(number - k.offset);
    }
    if (!line.key.isEmpty())
        --read.keysToFind;
    if (line.section)
        --read.sectionsToFind;
    read.echo += crlf + line.trimmed;
}

}  // namespace

void readConfiguration(platform::LineReader &reader, Configuration &read)
{
    while (!reader.atEnd()) {
        const std::optional<QString> text = reader.readLine();
        if (!text)
            throw RuntimeFailure(QStringLiteral("the configuration file cannot be read"));
        const ConfigurationLine line = readConfigurationLine(*text);
        if (!line.skipped)
            take(line, read);
    }
    read.echo += crlf + crlf;
}

QString configurationText(const calc::Tariff &tariff, const QDateTime &now, const QLocale &locale)
{
    auto state = [](calc::Tick tick) { return QString::number(tick + 1); };
    auto number = [](const QString &text) { return numbers::plain(numbers::leading(text) + 1); };
    const QStringList lines = {
        QStringLiteral("# Aquabill Version %1.%2").arg(version::major).arg(version::minor),
        QStringLiteral("# Configuration File"),
        QStringLiteral("# ") + dates::ddMmmYyTime(now, locale),
        QString(),
        QStringLiteral("[Run]"),
        QStringLiteral("LogLevel=") + state(tariff.autoSave),
        QStringLiteral("RunOnTop=") + state(tariff.onTop),
        QString(),
        QStringLiteral("[Data]"),
        QStringLiteral("Disc1=") + number(tariff.discount1),
        QStringLiteral("Disc1PT=") + state(tariff.discount1Percent),
        QStringLiteral("Disc2=") + number(tariff.discount2),
        QStringLiteral("Disc2FT=") + state(tariff.discount2Fixed),
        QStringLiteral("Predict=") + number(tariff.predictionPeriods),
        QStringLiteral("PSize=") + state(tariff.monthly),
        QStringLiteral("SFCharge=") + number(tariff.sewageFixedCharge),
        QStringLiteral("SVAllow=") + number(tariff.sewageAllowance),
        QStringLiteral("SVRate=") + number(tariff.sewageVolumeCharge),
        QStringLiteral("VRate=") + number(tariff.taxRate),
        QStringLiteral("VUnits=") + state(tariff.gallons),
        QStringLiteral("WFCharge=") + number(tariff.waterFixedCharge),
        QStringLiteral("WVRate=") + tariff.waterVolumeCharge,
    };
    return lines.join(crlf) + crlf;
}

}  // namespace settings
