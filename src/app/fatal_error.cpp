#include "app/aquabill_main.h"

#include "app/failures.h"
#include "core/messages.h"
#include "core/version.h"
#include "calc/dates.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace {

QString joined(std::initializer_list<const QLineEdit *> boxes)
{
    QStringList texts;
    for (const QLineEdit *box : boxes)
        texts << box->text();
    return texts.join(QStringLiteral(", "));
}

}  // namespace

void AquabillMain::FatalError(const QString &title, int stepCode)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString path = QStringLiteral("Log/") + ResultsFileName;

    // The dump is written only into an existing results log; a failure part-way
    // keeps what was written and goes straight on to the message.
    if (!ResultsFileName.isEmpty() && desktop().fileExists(path)) {
        const QDateTime now = desktop().now();
        auto tick = [](const QCheckBox *box) { return QString::number(value(box)); };
        const QStringList options = {tick(c.VolUnits1), tick(c.Period), tick(c.OnTop),
                                     tick(c.AutoSave), tick(c.Disc1P), tick(c.Disc2F)};
        const QStringList writes = {
            dates::shortDate(now.date(), locale()) + QStringLiteral(" ") + now.time().toString(QStringLiteral("hh:mm")),
            QStringLiteral("Log/") + ResultsFileName + crlf + version::text() + crlf,
            QStringLiteral("******** ") + title + QStringLiteral(" ") + QString::number(stepCode) + QStringLiteral(" ********") + crlf,
            QStringLiteral("Dump of configuration file and available program data follows:") + crlf + crlf,
            ConfigEcho + crlf,
            QStringLiteral("Program Defaults") + crlf + QStringLiteral("----------------"),
            joined({c.NormalR1, c.NormalR2, c.SCharge, c.Disc1, c.Disc2, c.CheapR, c.VAT, c.BPoint, c.PRate}) + crlf
                + QStringLiteral(", ") + options.join(QStringLiteral(", ")) + crlf + QStringLiteral(", ") + tick(c.NoHistory) + crlf,
            QStringLiteral("Program Data") + crlf + QStringLiteral("------------"),
            c.Date1->text() + QStringLiteral(", ") + c.Date2->text() + QStringLiteral(", ") + c.NRead1->text() + QStringLiteral(", ")
                + c.NRead2->text() + QStringLiteral(", ") + crlf + c.Notes->toPlainText() + crlf,
            QStringLiteral("Program Actual") + crlf + QStringLiteral("--------------"),
            joined({c.TDays, c.R1Units, c.R2Units, c.NR1Cost, c.NR2Cost, c.TSCharge, c.TFCharge, c.D1Cost, c.TCost, c.VCost,
                    c.D2Cost, c.TVCost, c.CDay, c.UDay}) + crlf,
            QStringLiteral("Program Predicted") + crlf + QStringLiteral("-----------------"),
            joined({c.TDaysP, c.R1UnitsP, c.R2UnitsP, c.NR1CostP, c.NR2CostP, c.TSChargeP, c.TFChargeP, c.TCostP, c.D1CostP,
                    c.VCostP, c.D2CostP, c.TVCostP}) + crlf,
            QStringLiteral("***** End of Error Dump *****") + crlf + crlf,
        };
        for (const QString &write : writes) {
            if (!desktop().appendLine(path, write))
                break;
        }
    }

    desktop().message(messages::fatalError(title, stepCode), messages::fatalErrorTitle, platform::Buttons::Ok,
                      platform::Icon::Critical);
    EndProgram(2);
}

void AquabillMain::guarded(const QString &title, const std::function<void()> &procedure)
{
    try {
        procedure();
    } catch (const RuntimeFailure &) {
        FatalError(title, StepCode);
    }
}
