#pragma once

#include <QString>

// Every text the program shows or writes as a message, in one place: the
// titles and texts of its message boxes, its status line and the problems its
// checks report. The texts are the program's own, misspellings included, as
// users and their documentation quote them.
namespace messages {

// --- Window ---

// --- Settings ---

// --- Calculation ---

inline const QString DataErrorTitle = QStringLiteral("Aquabill Data Error");
inline const QString NoReadings = QStringLiteral("No Meter Readings To Calculate");
inline const QString Date1Invalid = QStringLiteral("Date 1 must be a valid date");
inline const QString Date2Invalid = QStringLiteral("Date 2 must be a valid date");
inline const QString Reading1Range = QStringLiteral("Meter Reading 1 must be between 1 and 999900");
inline const QString Reading2Range = QStringLiteral("Meter Reading 2 must be between 3 and 999999");
inline QString dateOutsideYears(int date, int lastYear)
{
    return QStringLiteral("Date %1 must be between 1st Jan 2000 and 31st Dec %2").arg(date).arg(lastYear);
}
inline const QString DatesTooClose = QStringLiteral("Date 2 must be at least 3 days later than Date 1");
inline const QString ReadingRiseTooSmall =
    QStringLiteral("Meter Reading 2 must be at least 2 greater than Meter Reading 1");
inline const QString AllowanceMissing =
    QStringLiteral("The Sewage Volume Allowance must be set if the Sewage Volume Charge is set");
inline const QString SewageChargeMissing =
    QStringLiteral("The Sewage Volume Charge must be set if the Sewage Volume Allowance is set");
inline const QString PredictionTooShort =
    QStringLiteral("Date 1 plus number months to predict forward must be greater than Date 2");
// Kept apart from the refusal lines: the pending message says it for a later
// Save, the box says it now.
inline const QString DataUnchanged = QStringLiteral("The data has not changed since the last calculation\n");
inline const QString DataUnchangedBox = QStringLiteral("The data has not changed\r\nsince the last calculation");
inline const QString ErrorTitle = QStringLiteral("Aquabill Error");

// --- Records ---

}  // namespace messages
