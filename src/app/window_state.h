#pragma once

#include "calc/results.h"
#include "settings/stored_options.h"

#include <QString>

// The main window's own variables, in the order the rest of the program knows
// them. Everything else the window holds is the text of one of its controls.
struct WindowState {
    int InhibitErrorCheck = 0;
    QString CurrencySymbol;
    // The options the configuration file stores (Stored.Disc1PT, Stored.RunOnTop, ...).
    settings::StoredOptions Stored;
    int StepCode = 0;
    bool Loading = false;
    QString ConfigEcho;
    QString ResultsText;
    QString HistoryText;
    // True while HistoryText holds the entry of the calculation on screen.
    bool HistoryEntryPending = false;
    QString ResultsFileName;
    QString HistoryFileName;
    QString InputSignature;
    QString LastCalcSignature;
    QString PendingMessage;
    // The last calculation: its charging periods, the running totals the
    // report shows and the signs of the amounts shown as magnitudes.
    calc::Results LastResults;
};
