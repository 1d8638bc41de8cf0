#include "app/aquabill_main.h"

#include "app/box_texts.h"
#include "core/messages.h"
#include "core/runtime_failure.h"
#include "calc/dates.h"
#include "settings/configuration_file.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

void AquabillMain::LoadConfiguration()
{
    guarded(messages::configReadErrorTitle, [&] {
        StepCode = 161;
        ConfigEcho = settings::echoHeading;
        CheckFolder(QStringLiteral("Data"));

        if (!desktop().fileExists(settings::configurationPath)) {
            desktop().message(messages::configurationMissing, messages::configurationFileErrorTitle,
                              platform::Buttons::Ok, platform::Icon::Critical);
            EndProgram(1);
        }

        std::unique_ptr<platform::LineReader> reader = desktop().openForReading(settings::configurationPath);
        if (!reader)
            throw RuntimeFailure(QStringLiteral("the configuration file cannot be opened"));
        StepCode = 162;
        settings::Configuration read{boxes::tariffIn(c), Stored, ConfigEcho};
        {
            // What was read before a failure is in the boxes and the echo, and
            // so in the error dump, as if each line took effect as read.
            const auto take = qScopeGuard([&] {
                boxes::show(c, read.tariff);
                Stored = read.options;
                ConfigEcho = read.echo;
            });
            settings::readConfiguration(*reader, read);
        }
        reader.reset();
        StepCode = 163;

        // The values are checked against the options the file stores, not those
        // the boxes happen to show: a Discount 1 of 40 is valid as an amount and
        // not as a percentage. The option handlers stay idle meanwhile, so that
        // none of them empties a field just loaded.
        const bool wasLoading = Loading;
        Loading = true;
        PendingMessage.clear();
        const bool optionsApplied = settings::storedOptionsReadable(Stored);
        if (optionsApplied)
            applyStoredOptions();
        else
            setValue(c.Period, 1);
        CheckSettings(false, true);
        if (!PendingMessage.isEmpty() || !read.complete()) {
            desktop().message(messages::configurationCorrupted, messages::configurationFileErrorTitle,
                              platform::Buttons::Ok, platform::Icon::Critical);
            EndProgram(1);
        }

        // With the checks switched off, options out of range reach the boxes
        // only now, and one that no box can show is a failure of the reading.
        if (!optionsApplied)
            applyStoredOptions();
        Loading = wasLoading;
    });
}

void AquabillMain::applyStoredOptions()
{
    // Each state is worked out as its box is set, so one that no box can show
    // stops the setting with the boxes before it set, and their handlers run.
    const QLocale loc = locale();
    setValue(c.OnTop, settings::tickFor(Stored.RunOnTop));
    setValue(c.AutoSave, settings::tickFor(Stored.LogLevel));
    setValue(c.Period, settings::tickFor(Stored.PSize, loc));
    setValue(c.VolUnits1, settings::tickFor(Stored.VUnits));
    setValue(c.Disc1P, settings::tickFor(Stored.Disc1PT, loc));
    setValue(c.Disc2F, settings::tickFor(Stored.Disc2FT, loc));
}

void AquabillMain::Save_Defaults_Click()
{
    guarded(messages::saveConfigErrorTitle, [&] {
        StepCode = 201;
        PendingMessage.clear();
        CheckSettings(true, false);
        TidyResults();
        if (!PendingMessage.isEmpty()) {
            desktop().message(PendingMessage, messages::dataErrorTitle, platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return;
        }

        StepCode = 202;
        const QString text = settings::configurationText(boxes::tariffIn(c), desktop().now(), locale());
        // The new file is written beside the old one and takes its place in one
        // step, so a failed write leaves the saved tariff as it was.
        CheckFolder(QStringLiteral("Data"));
        if (!desktop().replaceFile(settings::configurationPath, text)) {
            desktop().message(messages::configurationUnwritable, messages::configurationFileErrorTitle,
                              platform::Buttons::Ok, platform::Icon::Exclamation);
            return;
        }

        StepCode = 204;
        ShowStatus(messages::defaultsSaved);
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
    ShowStatus(messages::defaultsRestored);
}
