#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "core/version.h"
#include "calc/dates.h"
#include "calc/numbers.h"
#include "settings/configuration_line.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace {

const QString configurationFile = QStringLiteral("Data/Aquabill.ini");
const QString crlf = QStringLiteral("\r\n");

// A tick box takes 0, 1 or 2; any other stored value cannot be shown.
int boxState(int state)
{
    if (state < 0 || state > 2)
        throw RuntimeFailure(QStringLiteral("invalid tick box value %1").arg(state));
    return state;
}

double lead(const QLineEdit *box) { return numbers::leading(box->text()); }

}  // namespace

void AquabillMain::LoadConfiguration()
{
    guarded(QStringLiteral("Config Read Error"), [&] {
        StepCode = 161;
        ConfigEcho = QStringLiteral("Aquabill Configuration") + crlf + QStringLiteral("----------------------");
        CheckFolder(QStringLiteral("Data"));

        if (!desktop().fileExists(configurationFile)) {
            desktop().message(QStringLiteral("The configuration file is missing or corrupted") + crlf
                                  + QStringLiteral("Reinstall the program to restore the file") + crlf
                                  + QStringLiteral("The program will now terminate"),
                              QStringLiteral("Aquabill Configuration File Error"), platform::Buttons::Ok,
                              platform::Icon::Critical);
            EndProgram(1);
        }

        std::unique_ptr<platform::LineReader> reader = desktop().openForReading(configurationFile);
        if (!reader)
            throw RuntimeFailure(QStringLiteral("the configuration file cannot be opened"));
        StepCode = 162;
        int keysToFind = 15;
        int sectionsToFind = 2;

        // Each key names what it fills; fields hold the stored number less one,
        // except the water volume charge, which is stored as shown.
        struct FieldKey {
            const char *key;
            QLineEdit *field;
            double offset;
        };
        const FieldKey fieldKeys[] = {
            {"Disc1", c.Disc1, 1},     {"Disc2", c.Disc2, 1},       {"SVAllow", c.BPoint, 1},
            {"SFCharge", c.CheapR, 1}, {"WVRate", c.NormalR1, 0},   {"SVRate", c.NormalR2, 1},
            {"Predict", c.PRate, 1},   {"WFCharge", c.SCharge, 1},  {"VRate", c.VAT, 1},
        };
        struct TextKey {
            const char *key;
            QString *stored;
        };
        const TextKey textKeys[] = {
            {"Disc1PT", &StoredDisc1PT}, {"Disc2FT", &StoredDisc2FT}, {"PSize", &StoredPSize}};

        while (!reader->atEnd()) {
            const std::optional<QString> read = reader->readLine();
            if (!read)
                throw RuntimeFailure(QStringLiteral("the configuration file cannot be read"));
            const settings::ConfigurationLine line = settings::readConfigurationLine(*read);
            if (line.skipped)
                continue;

            // Each value takes effect as its line is read, as the option and
            // field handlers expect.
            const double number = numbers::leading(line.value);
            if (line.key == QStringLiteral("LogLevel"))
                StoredLogLevel = float(number);
            else if (line.key == QStringLiteral("RunOnTop"))
                RunOnTopSetting = numbers::roundEven16(number);
            else if (line.key == QStringLiteral("VUnits"))
                StoredVUnits = numbers::roundEven16(number);
            for (const FieldKey &k : fieldKeys) {
                if (line.key == QLatin1String(k.key))
                    k.field->setText(numbers::plain(number - k.offset));
            }
            for (const TextKey &k : textKeys) {
                if (line.key == QLatin1String(k.key))
                    *k.stored = numbers::plain(number);
            }
            if (!line.key.isEmpty())
                --keysToFind;
            if (line.section)
                --sectionsToFind;
            ConfigEcho += crlf + line.trimmed;
        }
        reader.reset();
        ConfigEcho += crlf + crlf;
        StepCode = 163;

        // The values are checked against the options the file stores, not those
        // the boxes happen to show: a Discount 1 of 40 is valid as an amount and
        // not as a percentage. The option handlers stay idle meanwhile, so that
        // none of them empties a field just loaded.
        const bool wasLoading = Loading;
        Loading = true;
        PendingMessage.clear();
        const bool optionsApplied = storedOptionsReadable();
        if (optionsApplied)
            applyStoredOptions();
        else
            setValue(c.Period, 1);
        CheckSettings(false, true);
        if (!PendingMessage.isEmpty() || keysToFind != 0 || sectionsToFind != 0) {
            desktop().message(QStringLiteral("The configuration file is corrupted") + crlf
                                  + QStringLiteral("Reinstall the program to restore the file") + crlf
                                  + QStringLiteral("The program will now terminate"),
                              QStringLiteral("Aquabill Configuration File Error"), platform::Buttons::Ok,
                              platform::Icon::Critical);
            EndProgram(1);
        }

        // With the checks switched off, options out of range reach the boxes
        // only now, and one that no box can show is a failure of the reading.
        if (!optionsApplied)
            applyStoredOptions();
        Loading = wasLoading;
    });
}

bool AquabillMain::storedOptionsReadable() const
{
    auto within = [](double stored) { return stored >= 1 && stored <= 2; };
    return within(RunOnTopSetting) && within(StoredLogLevel) && within(numbers::leading(StoredPSize))
           && within(StoredVUnits) && within(numbers::leading(StoredDisc1PT)) && within(numbers::leading(StoredDisc2FT));
}

void AquabillMain::applyStoredOptions()
{
    auto storedState = [this](const QString &stored) {
        return boxState(numbers::roundEven16(numbers::full(stored, locale()) - 1));
    };
    setValue(c.OnTop, boxState(RunOnTopSetting - 1));
    setValue(c.AutoSave, boxState(numbers::roundEven16(double(StoredLogLevel) - 1)));
    setValue(c.Period, storedState(StoredPSize));
    setValue(c.VolUnits1, boxState(StoredVUnits - 1));
    setValue(c.Disc1P, storedState(StoredDisc1PT));
    setValue(c.Disc2F, storedState(StoredDisc2FT));
}

void AquabillMain::Save_Defaults_Click()
{
    guarded(QStringLiteral("Save Config Error"), [&] {
        StepCode = 201;
        PendingMessage.clear();
        CheckSettings(true, false);
        TidyResults();
        if (!PendingMessage.isEmpty()) {
            desktop().message(PendingMessage, QStringLiteral("Aquabill Data Error"), platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return;
        }

        StepCode = 202;
        auto state = [](const QCheckBox *box) { return QString::number(value(box) + 1); };
        auto number = [](const QLineEdit *box) { return numbers::plain(lead(box) + 1); };
        const QStringList lines = {
            QStringLiteral("# Aquabill Version %1.%2").arg(version::major).arg(version::minor),
            QStringLiteral("# Configuration File"),
            QStringLiteral("# ") + dates::ddMmmYyTime(desktop().now(), locale()),
            QString(),
            QStringLiteral("[Run]"),
            QStringLiteral("LogLevel=") + state(c.AutoSave),
            QStringLiteral("RunOnTop=") + state(c.OnTop),
            QString(),
            QStringLiteral("[Data]"),
            QStringLiteral("Disc1=") + number(c.Disc1),
            QStringLiteral("Disc1PT=") + state(c.Disc1P),
            QStringLiteral("Disc2=") + number(c.Disc2),
            QStringLiteral("Disc2FT=") + state(c.Disc2F),
            QStringLiteral("Predict=") + number(c.PRate),
            QStringLiteral("PSize=") + state(c.Period),
            QStringLiteral("SFCharge=") + number(c.CheapR),
            QStringLiteral("SVAllow=") + number(c.BPoint),
            QStringLiteral("SVRate=") + number(c.NormalR2),
            QStringLiteral("VRate=") + number(c.VAT),
            QStringLiteral("VUnits=") + state(c.VolUnits1),
            QStringLiteral("WFCharge=") + number(c.SCharge),
            QStringLiteral("WVRate=") + c.NormalR1->text(),
        };

        // The new file is written beside the old one and takes its place in one
        // step, so a failed write leaves the saved tariff as it was.
        CheckFolder(QStringLiteral("Data"));
        if (!desktop().replaceFile(configurationFile, lines.join(crlf) + crlf)) {
            desktop().message(QStringLiteral("Unable to write to the configuration file.") + crlf
                                  + QStringLiteral("This may be a permissions problem."),
                              QStringLiteral("Aquabill Configuration File Error"), platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return;
        }

        StepCode = 204;
        ShowStatus(QStringLiteral("Defaults Saved"));
        CheckSettings(false, true);
        RefreshResultCurrency();
        for (QLineEdit *box : {c.Date1, c.Date2}) {
            if (const std::optional<QDate> date = readDate(box->text()))
                box->setText(dates::shortDate(*date, locale()));
        }
    });
}

void AquabillMain::Reset_Defaults_Click()
{
    LoadConfiguration();
    ClearActualResults();
    ClearPredictedResults();
    TidyResults();
    c.Save->setEnabled(false);
    ShowStatus(QStringLiteral("Defaults Restored"));
}
