#include "app/aquabill_main.h"

#include "core/messages.h"

#include <QCheckBox>
#include <QPushButton>

void AquabillMain::Save_Click()
{
    if (c.Save->isEnabled())
        SaveCalculation();
}

void AquabillMain::SaveCalculation()
{
    const bool withHistory = value(c.NoHistory) == 0;
    if (!PendingMessage.isEmpty()) {
        desktop().message(messages::nothingSaved(PendingMessage, withHistory), messages::saveErrorTitle,
                          platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    // Only a calculation still on screen is saved: its entry is what the save
    // writes, and an empty entry would leave a blank line in the history.
    if (!HistoryEntryPending) {
        c.Save->setEnabled(false);
        ShowStatus(messages::noCalculationSaved);
        return;
    }
    if (!withHistory) {
        const platform::Answer answer = desktop().message(messages::saveWithoutHistory, messages::saveWithoutHistoryTitle,
                                                          platform::Buttons::OkCancel, platform::Icon::Exclamation);
        if (answer == platform::Answer::Cancel) {
            ShowStatus(messages::noCalculationSaved);
            return;
        }
    }

    // Each failed write has been reported; the status line says what did get
    // saved, and Save stays available only while a retry cannot write an
    // entry twice.
    const bool results = WriteResultsLog();
    const bool history = withHistory && WriteHistoryLog();
    if (!results && !history) {
        c.Save->setEnabled(true);
        ShowStatus(messages::noCalculationSaved);
        return;
    }
    c.Save->setEnabled(false);
    if (results && (history || !withHistory))
        ShowStatus(messages::calculationSaved);
    else if (results)
        ShowStatus(messages::historyNotSaved);
    else
        ShowStatus(messages::resultsNotSaved);
}
