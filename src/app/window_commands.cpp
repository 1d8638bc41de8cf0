#include "app/aquabill_main.h"

#include "app/about_window.h"
#include "core/messages.h"
#include "core/version.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <exception>

void AquabillMain::ShowStatus(const QString &text)
{
    c.Status->setText(text);
    c.Timer1->start();
}

void AquabillMain::Timer1_Timer()
{
    c.Status->clear();
    c.Timer1->stop();
}

void AquabillMain::Clear_Click()
{
    ClearReadings();
    ClearActualResults();
    ClearPredictedResults();
    TidyResults();
    InputSignature.clear();
    CheckSettings(true, true);
    c.Save->setEnabled(false);
    c.Date1->setFocus();
    ShowStatus(messages::dataCleared);
}

void AquabillMain::Exit_Click() { EndProgram(0); }

void AquabillMain::OnTop_Click()
{
    const bool onTop = value(c.OnTop) == 1;
    Stored.RunOnTop = onTop ? 2 : 1;
    desktop().placeOnTop(this, onTop);
}

void AquabillMain::AutoSave_Click()
{
    if (value(c.AutoSave) == 1)
        c.Save->setEnabled(false);
}

void AquabillMain::Help1_Click()
{
    CheckFolder(QStringLiteral("Help"));
    const QString helpFile = QStringLiteral("Help/index.htm");
    try {
        if (desktop().fileExists(helpFile)) {
            if (!desktop().openDocument(helpFile))
                desktop().message(messages::browserFailed, messages::errorTitle, platform::Buttons::Ok,
                                  platform::Icon::None);
        } else {
            desktop().message(messages::helpFileMissing, messages::helpFileErrorTitle, platform::Buttons::Ok,
                              platform::Icon::Exclamation);
        }
    } catch (const std::exception &) {
        desktop().message(messages::helpFileUnreadable, messages::helpFileErrorTitle, platform::Buttons::Ok,
                          platform::Icon::Exclamation);
    }
}

void AquabillMain::Update_Click()
{
    OpenWebPage(QStringLiteral("software/misc/update.htm?ID=7&Ver=%1.%2").arg(version::major).arg(version::minor));
}

void AquabillMain::Logo_Click() { OpenWebPage(QString()); }

void AquabillMain::About_Click()
{
    {
        frmAbout about(*this);
        about.run();
    }
    // Back from About the window is as the user left it, readings, results and
    // Save included; only its place above other windows is taken again.
    PlaceOnTopWhenTicked();
}

void AquabillMain::OpenWebPage(const QString &path)
{
    try {
        if (!desktop().openUrl(SiteBase + path))
            desktop().message(messages::browserFailed, messages::errorTitle, platform::Buttons::Ok, platform::Icon::None);
    } catch (const std::exception &failure) {
        desktop().message(messages::programError(QString::fromStdString(failure.what())), messages::errorTitle,
                          platform::Buttons::Ok, platform::Icon::None);
    }
}
