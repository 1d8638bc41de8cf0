#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "calc/calc_steps.h"
#include "calc/dates.h"
#include "calc/numbers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QChar lineFeed = QLatin1Char('\n');

// A reading is taken only when the checks and the arithmetic read the same
// number from it: "12abc" would pass a range test as 12 and then be unreadable,
// and "1,000" would pass as 1 and be calculated as 1000.
bool readingWithin(const QString &text, double low, double high, const QLocale &locale)
{
    if (!numbers::isNumeric(text, locale))
        return false;
    const double value = numbers::leading(text);
    return value >= low && value <= high;
}

// Readings from this century up to the end of the present year.
bool withinSupportedYears(const QDate &date, int currentYear)
{
    return date >= QDate(2000, 1, 1) && date <= QDate(currentYear, 12, 31);
}

}  // namespace

void AquabillMain::CheckReadings()
{
    guarded(QStringLiteral("Check Error"), [&] {
        StepCode = 121;
        auto refuse = [this](const QString &message) { PendingMessage += message + lineFeed; };
        const QLocale loc = locale();
        for (QLineEdit *reading : {c.NRead1, c.NRead2}) {
            const QString typed = numbers::withDecimalPoint(reading->text(), loc);
            if (typed != reading->text())
                reading->setText(typed);
        }
        if (c.Date1->text().isEmpty() && c.Date2->text().isEmpty() && c.NRead1->text().isEmpty()
            && c.NRead2->text().isEmpty()) {
            refuse(QStringLiteral("No Meter Readings To Calculate"));
        } else {
            if (!readDate(c.Date1->text()))
                refuse(QStringLiteral("Date 1 must be a valid date"));
            if (!readDate(c.Date2->text()))
                refuse(QStringLiteral("Date 2 must be a valid date"));
            if (!readingWithin(c.NRead1->text(), 1, 999900, loc))
                refuse(QStringLiteral("Meter Reading 1 must be between 1 and 999900"));
            if (!readingWithin(c.NRead2->text(), 3, 999999, loc))
                refuse(QStringLiteral("Meter Reading 2 must be between 3 and 999999"));
        }

        StepCode = 122;
        if (InhibitErrorCheck == 1)
            PendingMessage.clear();
    });
}

// Runs inside Calculate, whose failure path also covers this check.
void AquabillMain::CheckConsistency()
{
    StepCode = 111;
    auto refuse = [this](const QString &message) { PendingMessage += message + lineFeed; };
    const QLocale loc = locale();

    const bool vat = CurrencySymbol == QStringLiteral("£") || CurrencySymbol == QStringLiteral("€");
    c.VATH->setText(vat ? QStringLiteral("VAT:") : QStringLiteral("Tax:"));
    c.VATH->setToolTip(vat ? QStringLiteral("VAT Rate (between 0 and 50%)") : QStringLiteral("Tax Rate (between 0 and 50%)"));

    // With the checks switched off the dates may be anything; an unreadable
    // one is a failure of the calculation like any unreadable field.
    const QDate date1 = calc::dateIn(*this, c.Date1->text());
    const QDate date2 = calc::dateIn(*this, c.Date2->text());
    const int year = currentYear();
    const QString yearRange = QStringLiteral(" must be between 1st Jan 2000 and 31st Dec ") + QString::number(year);
    if (!withinSupportedYears(date1, year))
        refuse(QStringLiteral("Date 1") + yearRange);
    if (!withinSupportedYears(date2, year))
        refuse(QStringLiteral("Date 2") + yearRange);
    if (date1.daysTo(date2) < 3)
        refuse(QStringLiteral("Date 2 must be at least 3 days later than Date 1"));
    c.Date1->setText(dates::shortDate(date1, loc));
    c.Date2->setText(dates::shortDate(date2, loc));

    StepCode = 112;
    if (numbers::leading(c.NRead2->text()) - numbers::leading(c.NRead1->text()) < 2)
        refuse(QStringLiteral("Meter Reading 2 must be at least 2 greater than Meter Reading 1"));

    StepCode = 114;
    // Only a symbol the window puts in front is skipped; in a locale whose symbol
    // follows the amount there is none, and a leading digit is part of the charge.
    const QString sewerage = c.NormalR2->text();
    const QString prefix = symbolPrefix();
    const bool dressed = !prefix.isEmpty() && sewerage.startsWith(prefix);
    const double charge = numbers::leading(dressed ? sewerage.mid(prefix.size()) : sewerage);
    const double allowance = numbers::leading(c.BPoint->text());
    if (charge != 0 && allowance == 0)
        refuse(QStringLiteral("The Sewage Volume Allowance must be set if the Sewage Volume Charge is set"));
    if (charge == 0 && allowance != 0)
        refuse(QStringLiteral("The Sewage Volume Charge must be set if the Sewage Volume Allowance is set"));

    StepCode = 115;
    if (numbers::leading(c.PRate->text()) != 0) {
        const double length = numbers::full(c.PRate->text(), loc);
        const double months = value(c.Period) == 1 ? length : length * 6;
        // A fractional month count is rounded as the prediction itself rounds it.
        const QDate end = dates::addMonths(date1, numbers::roundEven16(months));
        if (end < date2)
            refuse(QStringLiteral("Date 1 plus number months to predict forward must be greater than Date 2"));
    }

    StepCode = 116;
    if (InhibitErrorCheck == 1)
        PendingMessage.clear();
}
