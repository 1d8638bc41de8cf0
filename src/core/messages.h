#pragma once

#include <QString>

// Every text the program shows or writes as a message, in one place: the
// titles and texts of its message boxes, its status line and the problems its
// checks report. The texts are the program's own, misspellings included, as
// users and their documentation quote them.
namespace messages {

// --- Window ---

// --- Settings ---

// Titles: of the message boxes, and of the fatal errors the settings
// procedures report ("A Fatal Check Error Has Occurred").
inline const QString checkErrorTitle = QStringLiteral("Check Error");
inline const QString configReadErrorTitle = QStringLiteral("Config Read Error");
inline const QString saveConfigErrorTitle = QStringLiteral("Save Config Error");
inline const QString dataErrorTitle = QStringLiteral("Aquabill Data Error");
inline const QString configurationFileErrorTitle = QStringLiteral("Aquabill Configuration File Error");

inline const QString configurationMissing = QStringLiteral(
    "The configuration file is missing or corrupted\r\nReinstall the program to restore the file\r\n"
    "The program will now terminate");
inline const QString configurationCorrupted = QStringLiteral(
    "The configuration file is corrupted\r\nReinstall the program to restore the file\r\n"
    "The program will now terminate");
inline const QString configurationUnwritable =
    QStringLiteral("Unable to write to the configuration file.\r\nThis may be a permissions problem.");

// Status line
inline const QString defaultsSaved = QStringLiteral("Defaults Saved");
inline const QString defaultsRestored = QStringLiteral("Defaults Restored");

// The problems the tariff check reports, one a line.
inline const QString autoSaveOutOfRange = QStringLiteral("Auto Save must be 1 or 2");
inline const QString discount1PercentOutOfRange = QStringLiteral("Discount 1 Percent Control must be 1 or 2");
inline const QString discount2FixedOutOfRange = QStringLiteral("Discount 2 Fixed Control must be 1 or 2");
inline const QString runOnTopOutOfRange = QStringLiteral("Run On Top must be 1 or 2");
inline const QString monthlyOutOfRange = QStringLiteral("Monthly must be 1 or 2");
inline const QString logLevelOutOfRange = QStringLiteral("Log Level must be 1 or 2");
inline const QString volumeUnitsOutOfRange = QStringLiteral("Volume Units must be 1 or 2");
inline const QString waterVolumeChargeOutOfRange =
    QStringLiteral("Water Volume Charge must be between 0.10 and 9.99");
inline const QString sewageVolumeChargeOutOfRange =
    QStringLiteral("Sewage Volume Charge must be 0 or between 0.10 and 9.99");
inline const QString monthlyPredictionOutOfRange =
    QStringLiteral("Prediction Period must be either 0 or between 1 and 24");
inline const QString sixMonthlyPredictionOutOfRange =
    QStringLiteral("Prediction Period must be either 0 or between 1 and 4");
// The limits these name are not the ones checked (2 to 99).
inline const QString waterFixedChargeOutOfRange =
    QStringLiteral("Water Fixed Charge must be either 0 or between 5 and 99");
inline const QString sewageFixedChargeOutOfRange =
    QStringLiteral("Sewage Fixed Charge must be either 0 or between 5 and 99");
inline const QString discount1PercentageOutOfRange =
    QStringLiteral("Discount 1 must be either 0 or between 1% and 30%");
inline const QString discount1AmountOutOfRange = QStringLiteral("Discount 1 must be either 0 or between 1 and 99");
inline const QString discount2OutOfRange = QStringLiteral("Discount 2 must be either 0 or between 1 and 99");
inline const QString taxRateOutOfRange = QStringLiteral("VAT Rate must be between 0 and 50%");
inline const QString sewageAllowanceOutOfRange =
    QStringLiteral("Sewage Volume Allowance must be 0 or between 10 and 100");

// --- Calculation ---

// --- Records ---

}  // namespace messages
