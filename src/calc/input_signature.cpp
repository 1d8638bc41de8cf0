#include "app/aquabill_main.h"
#include "calc/calc_steps.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace calc {

QString inputSignature(const AquabillMain &window)
{
    const Controls &c = window.controls();
    auto digit = [](const QCheckBox *box) { return QString::number(AquabillMain::value(box)); };
    return c.Date1->text() + c.Date2->text() + c.NRead1->text() + c.NRead2->text() + c.Notes->toPlainText()
           + c.BPoint->text() + c.CheapR->text() + c.NormalR1->text() + digit(c.VolUnits1)
           + c.NormalR2->text() + c.PRate->text() + c.VAT->text() + c.SCharge->text()
           + digit(c.Period) + window.CurrencySymbol + QStringLiteral("1") + c.Disc1->text() + QStringLiteral("2")
           + c.Disc2->text()
           + QStringLiteral("%") + digit(c.Disc1P) + QStringLiteral("%") + digit(c.Disc2F) + digit(c.NoHistory);
}

}  // namespace calc
