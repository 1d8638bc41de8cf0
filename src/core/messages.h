#pragma once

#include <QString>

// Every text the program shows or writes as a message, in one place: the
// titles and texts of its message boxes, its status line and the problems its
// checks report. The texts are the program's own, misspellings included, as
// users and their documentation quote them.
namespace messages {

// --- Window ---

inline const QString errorTitle = QStringLiteral("Aquabill Error");
// The titles of the fatal errors: "A Fatal Calculation Error Has Occurred".
inline const QString loadingErrorTitle = QStringLiteral("Loading Error");
inline const QString clearErrorTitle = QStringLiteral("Clear Error");
inline const QString calculationErrorTitle = QStringLiteral("Calculation Error");

inline QString missingFolder(const QString &folder)
{
    return QStringLiteral("The ") + folder + QStringLiteral(" directory does not exist.\r\n") + QStringLiteral("To restore the ")
           + folder + QStringLiteral(" directory\r\n") + QStringLiteral("reinstall the program.\r\n")
           + QStringLiteral("The program will now terminate.");
}
inline QString missingFolderTitle(const QString &folder)
{
    return QStringLiteral("Aquabill ") + folder + QStringLiteral(" Directory Error");
}
inline QString fatalError(const QString &title, int stepCode)
{
    return QStringLiteral("Error Number ") + QString::number(stepCode) + QStringLiteral("\r\nA Fatal ") + title
           + QStringLiteral(" Has Occurred\r\nThe Program Will Now Terminate");
}
inline const QString fatalErrorTitle = QStringLiteral("Aquabill Fatal Error");
inline const QString dataCleared = QStringLiteral("Data Cleared");
inline const QString browserFailed = QStringLiteral("Unable to launch Browser.");
inline const QString helpFileMissing = QStringLiteral("The help file is either missing or\r\n"
                                                      "corrupted. Reinstall the program\r\n"
                                                      "to correct the error.\r\n");
inline const QString helpFileUnreadable = QStringLiteral("Unable to opem the help file\r\nThis may be a permissions problem.");
inline const QString helpFileErrorTitle = QStringLiteral("Aquabill Help File Error");
// Failures here carry a description but no number of their own.
inline QString programError(const QString &description)
{
    return QStringLiteral("A program error has occured\r\nError Number: 0\r\nError description: ") + description;
}
inline const QString graphTitle = QStringLiteral("Aquabill Graph");
inline const QString tooFewToChart = QStringLiteral("Not enough saved meter readings to chart");
inline QString historyUnreadable(const QString &fileName)
{
    return QStringLiteral("Unable to read the history log ") + fileName + u'.';
}
inline QString exportFailed(const QString &path) { return QStringLiteral("Unable to export the readings to ") + path + u'.'; }
inline QString pictureFailed(const QString &path) { return QStringLiteral("Unable to save the picture to ") + path + u'.'; }
inline QString folderUnprepared(const QString &folder)
{
    return QStringLiteral("Unable to prepare the folder\r\n%1\r\nThis may be a permissions problem.\r\n"
                          "The program will now terminate.")
        .arg(folder);
}
inline const QString directoryErrorTitle = QStringLiteral("Aquabill Directory Error");
inline const QString permissionsHint = QStringLiteral("This may be a permissions problem.");

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

inline const QString noReadings = QStringLiteral("No Meter Readings To Calculate");
inline const QString date1Invalid = QStringLiteral("Date 1 must be a valid date");
inline const QString date2Invalid = QStringLiteral("Date 2 must be a valid date");
inline const QString reading1Range = QStringLiteral("Meter Reading 1 must be between 1 and 999900");
inline const QString reading2Range = QStringLiteral("Meter Reading 2 must be between 3 and 999999");
inline QString dateOutsideYears(int date, int lastYear)
{
    return QStringLiteral("Date %1 must be between 1st Jan 2000 and 31st Dec %2").arg(date).arg(lastYear);
}
inline const QString datesTooClose = QStringLiteral("Date 2 must be at least 3 days later than Date 1");
inline const QString readingRiseTooSmall =
    QStringLiteral("Meter Reading 2 must be at least 2 greater than Meter Reading 1");
inline const QString allowanceMissing =
    QStringLiteral("The Sewage Volume Allowance must be set if the Sewage Volume Charge is set");
inline const QString sewageChargeMissing =
    QStringLiteral("The Sewage Volume Charge must be set if the Sewage Volume Allowance is set");
inline const QString predictionTooShort =
    QStringLiteral("Date 1 plus number months to predict forward must be greater than Date 2");
// Kept apart from the refusal lines: the pending message says it for a later
// Save, the box says it now.
inline const QString dataUnchanged = QStringLiteral("The data has not changed since the last calculation\n");
inline const QString dataUnchangedBox = QStringLiteral("The data has not changed\r\nsince the last calculation");

// --- Records ---

// The titles of the fatal errors: "A Fatal Save Log Error Has Occurred".
inline const QString saveLogErrorTitle = QStringLiteral("Save Log Error");
inline const QString formatLogErrorTitle = QStringLiteral("Format Log Error");

inline const QString logFileErrorTitle = QStringLiteral("Aquabill Log File Error");
inline const QString historyLogErrorTitle = QStringLiteral("Aquabill History Log File Error");
inline const QString resultsLogErrorTitle = QStringLiteral("Aquabill Results Log File Error");

// Titled "Aquabill Results Log File Error" or "Aquabill History Log File Error".
inline QString missingLogTitle(const QString &kind)
{
    return QStringLiteral("Aquabill ") + kind.left(1).toUpper() + kind.mid(1) + QStringLiteral(" Log File Error");
}
inline QString missingLog(const QString &kind, const QString &fileName)
{
    return QStringLiteral("The ") + kind + QStringLiteral(" log file is either missing\r\nor corrupted. Delete the log file \r\n")
           + fileName + QStringLiteral(" if it exists and restart\r\nthe program.");
}
inline const QString logsNotCreated = QStringLiteral("Unable to create the log files.\r\nThis may be a permissions problem.");
inline QString logNotWritten(const QString &kind, const QString &fileName)
{
    return QStringLiteral("Unable to write to the ") + kind + QStringLiteral(" log file ") + fileName
           + QStringLiteral(".\r\nThis may be a permissions problem.");
}
inline QString logLocked(const QString &kind, const QString &fileName)
{
    return QStringLiteral("Unable to lock the ") + kind + QStringLiteral(" log file ") + fileName
           + QStringLiteral(".\r\nAnother copy of the program is using it; nothing was written.");
}
inline const QString viewerNotStarted = QStringLiteral("Unable to run Notepad\r\nCheck that it exists and\r\nis working properly.");

inline QString historyLogNotOpened(const QString &fileName)
{
    return QStringLiteral("Unable to opem the history log ") + fileName
           + QStringLiteral(".\r\nThis may be a permissions problem.");
}
inline const QString dateTwoNotAfterLastSaved =
    QStringLiteral("Meter Reading Date 2 must be later than the last Meter Reading date saved\n");
inline const QString noReadingsToRestore = QStringLiteral("No Saved Meter Readings To Restore");
inline const QString readingsRestored = QStringLiteral("Last Readings Restored");
inline const QString noReadingsToDelete = QStringLiteral("No Saved Meter Readings To Delete");
inline const QString deleteLastReadingTitle = QStringLiteral("Aquabill Modify History File");
inline const QString deleteLastReading =
    QStringLiteral("Are you sure you want to delete\r\nthe last saved meter reading?");
inline const QString lastReadingDeleted = QStringLiteral("Last Saved Meter Reading Deleted");

// The problems that stopped the save, then what was not saved.
inline QString nothingSaved(const QString &problems, bool withHistory)
{
    return problems + QStringLiteral("No results ") + (withHistory ? QStringLiteral("or history ") : QString())
           + QStringLiteral("data saved\n");
}
inline const QString saveErrorTitle = QStringLiteral("Aquabill Save Data Error");
inline const QString saveWithoutHistoryTitle = QStringLiteral("Aquabill Save Data");
inline const QString saveWithoutHistory =
    QStringLiteral("No history data will be saved\r\nTo save history results click\r\n"
                   "Cancel, reset the No History \r\ncheck box and click Save again");
inline const QString noCalculationSaved = QStringLiteral("No Calculation Saved");
inline const QString calculationSaved = QStringLiteral("Calculation Saved");
inline const QString historyNotSaved = QStringLiteral("Results Saved, History Not Saved");
inline const QString resultsNotSaved = QStringLiteral("History Saved, Results Not Saved");

inline const QString logFolderMissingTitle = QStringLiteral("Aquabill Log Directory Error");
inline const QString logFolderMissing =
    QStringLiteral("The log directory does not exist.\r\nTo restore the log directory\r\n"
                   "reinstall the program.\r\nThe program will now terminate.");
inline const QString resultsLogMissing =
    QStringLiteral("The results log file is either missing\r\nor corrupted. Delete the log file if\r\n"
                   "it exists and restart the program.");
inline const QString notArchived =
    QStringLiteral("Unable to archive the results log file Aquabill.log.\r\nThis may be a permissions problem.");
inline const QString archiveTitle = QStringLiteral("Archive Aquabill Results Log File");
inline const QString archiveQuestion =
    QStringLiteral("Do you want to archive the log file?\r\n"
                   "To Archive the results log file and create a new one click Yes\r\n"
                   "To Clear the results log file without archiving it click No\r\n"
                   "Click Cancel to return");
inline const QString nothingToArchive = QStringLiteral("There is no data to archive!\r\nResults log file not archived.");
inline const QString clearLogTitle = QStringLiteral("Aquabill Create New Log File");
inline const QString clearLog = QStringLiteral("Are you sure you want to create a new results log file?");
inline const QString logArchived = QStringLiteral("Results Log File Archived");
inline const QString logCleared = QStringLiteral("Results Log File Cleared");

}  // namespace messages
