#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "calc/calc_steps.h"
#include "calc/dates.h"
#include "calc/numbers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

void AquabillMain::Calc_Click()
{
    guarded(QStringLiteral("Calculation Error"), [&] {
        StepCode = 101;
        PendingMessage.clear();
        CheckSettings(true, true);
        CheckReadings();
        StepCode = 102;
        if (PendingMessage.isEmpty())
            CheckConsistency();

        if (!PendingMessage.isEmpty()) {
            LastCalcSignature.clear();
            ClearActualResults();
            ClearPredictedResults();
            InputSignature.clear();
            desktop().message(PendingMessage, QStringLiteral("Aquabill Data Error"), platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return;
        }

        // The money tariff fields hold bare numbers from here to the end.
        CheckSettings(true, false);
        StepCode = 103;
        const QLocale loc = locale();
        for (QLineEdit *reading : {c.NRead1, c.NRead2})
            reading->setText(numbers::oneDecimal(numbers::full(reading->text(), loc)));
        // A long short-date form would not fit the logs' date columns.
        for (QLineEdit *date : {c.Date1, c.Date2}) {
            if (date->text().size() > 11)
                date->setText(dates::ddMmmYyyy(calc::dateIn(*this, date->text()), loc));
        }

        InputSignature = calc::inputSignature(*this);
        if (InputSignature == LastCalcSignature) {
            TidyResults();
            CheckSettings(true, true);
            PendingMessage = QStringLiteral("The data has not changed since the last calculation\n");
            desktop().message(QStringLiteral("The data has not changed\r\nsince the last calculation"),
                              QStringLiteral("Aquabill Error"), platform::Buttons::Ok, platform::Icon::Exclamation);
            return;
        }

        const int months = calc::predictionMonths(*this);
        LastResults = calc::Results();
        calc::actualCost(*this);
        StepCode = 104;
        calc::prediction(*this, months);
        StepCode = 105;
        LastCalcSignature = calc::inputSignature(*this);

        TidyResults();
        CheckSettings(true, true);
        FormatResultsReport();
        FormatHistoryEntry();
        if (value(c.AutoSave) == 1)
            SaveCalculation();
        else if (value(c.AutoSave) == 0)
            c.Save->setEnabled(true);
    });
}
