#include "app/aquabill_main.h"

#include "records/record_texts.h"

#include <QCheckBox>
#include <QPushButton>

using records::crlf;

void AquabillMain::Save_Click()
{
    if (c.Save->isEnabled())
        SaveCalculation();
}

void AquabillMain::SaveCalculation()
{
    const bool withHistory = value(c.NoHistory) == 0;
    if (!PendingMessage.isEmpty()) {
        desktop().message(PendingMessage + QStringLiteral("No results ")
                              + (withHistory ? QStringLiteral("or history ") : QString()) + QStringLiteral("data saved\n"),
                          QStringLiteral("Aquabill Save Data Error"), platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    // Only a calculation still on screen is saved: its entry is what the save
    // writes, and an empty entry would leave a blank line in the history.
    if (!HistoryEntryPending) {
        c.Save->setEnabled(false);
        ShowStatus(QStringLiteral("No Calculation Saved"));
        return;
    }
    if (!withHistory) {
        const platform::Answer answer = desktop().message(
            QStringLiteral("No history data will be saved") + crlf + QStringLiteral("To save history results click") + crlf
                + QStringLiteral("Cancel, reset the No History ") + crlf + QStringLiteral("check box and click Save again"),
            QStringLiteral("Aquabill Save Data"), platform::Buttons::OkCancel, platform::Icon::Exclamation);
        if (answer == platform::Answer::Cancel) {
            ShowStatus(QStringLiteral("No Calculation Saved"));
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
        ShowStatus(QStringLiteral("No Calculation Saved"));
        return;
    }
    c.Save->setEnabled(false);
    if (results && (history || !withHistory))
        ShowStatus(QStringLiteral("Calculation Saved"));
    else if (results)
        ShowStatus(QStringLiteral("Results Saved, History Not Saved"));
    else
        ShowStatus(QStringLiteral("History Saved, Results Not Saved"));
}
