#include "app/aquabill_main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

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
    LastCalcSignature.clear();
    CheckSettings(true, true);
    c.Save->setEnabled(false);
    c.Date1->setFocus();
    ShowStatus(QStringLiteral("Data Cleared"));
}

void AquabillMain::Exit_Click() { EndProgram(0); }

void AquabillMain::OnTop_Click()
{
    const bool onTop = value(c.OnTop) == 1;
    RunOnTopSetting = onTop ? 2 : 1;
    desktop().placeOnTop(this, onTop);
}

void AquabillMain::AutoSave_Click()
{
    if (value(c.AutoSave) == 1)
        c.Save->setEnabled(false);
}

void AquabillMain::Help1_Click() {}
void AquabillMain::Update_Click() {}
void AquabillMain::Logo_Click() {}
void AquabillMain::About_Click() {}
void AquabillMain::OpenWebPage(const QString &) {}
