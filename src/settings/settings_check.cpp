#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "calc/numbers.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const QChar lineFeed = QLatin1Char('\n');

// The value every test and every "is it zero" question sees.
double number(const QString &text) { return numbers::leading(text); }

// A tariff text is a number only when the checks and the arithmetic read the
// same value from it. "12abc" reads as 12 here but not at all in the
// arithmetic, and "10,000" as 10 here but 10000 there; both are refused.
bool notNumber(const QString &text, const QLocale &locale)
{
    return !text.isEmpty() && !numbers::isNumeric(text, locale);
}

// 0 always passes; any other value must lie within the bounds.
bool outsideUnlessZero(double value, double low, double high)
{
    return value != 0 && (value < low || value > high);
}

bool outside(double value, double low, double high) { return value < low || value > high; }

class Messages {
public:
    explicit Messages(QString &pending) : m_pending(pending) {}
    void refuseWhen(bool refused, const QString &message)
    {
        if (refused)
            m_pending += message + lineFeed;
    }

private:
    QString &m_pending;
};

struct Rendering {
    QLineEdit *field;
    int decimals;
    bool emptiedWhenZero;
};

}  // namespace

void AquabillMain::CheckSettings(bool stripSymbol, bool addSymbol)
{
    guarded(QStringLiteral("Check Error"), [&] {
        StepCode = 131;
        // Only the symbol the window itself puts in front is taken off; in a
        // locale without such a prefix nothing is, so a leading digit stays.
        const QString strip = symbolPrefix();
        if (stripSymbol && !strip.isEmpty()) {
            for (QLineEdit *field : {c.CheapR, c.NormalR1, c.NormalR2, c.SCharge, c.Disc1, c.Disc2}) {
                if (field->text().startsWith(strip))
                    field->setText(field->text().mid(strip.size()));
            }
        }

        StepCode = 132;
        const QLocale loc = locale();
        for (QLineEdit *field : {c.NormalR1, c.SCharge, c.NormalR2, c.CheapR, c.BPoint, c.VAT, c.Disc1, c.Disc2, c.PRate}) {
            const QString typed = numbers::withDecimalPoint(field->text(), loc);
            if (typed != field->text())
                field->setText(typed);
        }
        Messages m(PendingMessage);
        auto field = [](const QLineEdit *box) { return box->text(); };
        auto boxOutOfRange = [](const QCheckBox *box) { return value(box) > 1 || value(box) < 0; };

        m.refuseWhen(boxOutOfRange(c.AutoSave), QStringLiteral("Auto Save must be 1 or 2"));
        m.refuseWhen(outside(number(StoredDisc1PT), 1, 2), QStringLiteral("Discount 1 Percent Control must be 1 or 2"));
        m.refuseWhen(outside(number(StoredDisc2FT), 1, 2), QStringLiteral("Discount 2 Fixed Control must be 1 or 2"));
        m.refuseWhen(boxOutOfRange(c.OnTop), QStringLiteral("Run On Top must be 1 or 2"));
        m.refuseWhen(boxOutOfRange(c.Period), QStringLiteral("Monthly must be 1 or 2"));
        m.refuseWhen(StoredLogLevel != 1.0f && StoredLogLevel != 2.0f, QStringLiteral("Log Level must be 1 or 2"));
        m.refuseWhen(RunOnTopSetting != 1 && RunOnTopSetting != 2, QStringLiteral("Run On Top must be 1 or 2"));
        m.refuseWhen(outside(number(StoredPSize), 1, 2), QStringLiteral("Monthly must be 1 or 2"));
        m.refuseWhen(StoredVUnits < 1 || StoredVUnits > 2, QStringLiteral("Volume Units must be 1 or 2"));

        // The water volume charge is the one field that may never be empty or
        // zero; an unreadable text is refused like an out-of-range one.
        const QString normalR1 = field(c.NormalR1);
        m.refuseWhen(!numbers::isNumeric(normalR1, loc) || outside(number(normalR1), 0.1, 9.99),
                     QStringLiteral("Water Volume Charge must be between 0.10 and 9.99"));

        auto zeroOrWithin = [&](const QLineEdit *box, double low, double high) {
            const QString text = field(box);
            return notNumber(text, loc) || outsideUnlessZero(number(text), low, high);
        };
        m.refuseWhen(zeroOrWithin(c.NormalR2, 0.1, 9.99),
                     QStringLiteral("Sewage Volume Charge must be 0 or between 0.10 and 9.99"));

        // A greyed option box has already been refused above; its field is
        // still checked, by the unticked rule, so that no tariff text ever
        // goes unchecked.
        const QString pRate = field(c.PRate);
        if (value(c.Period) == 1) {
            m.refuseWhen(notNumber(pRate, loc) || outside(number(pRate), 0, 24),
                         QStringLiteral("Prediction Period must be either 0 or between 1 and 24"));
        } else {
            m.refuseWhen(notNumber(pRate, loc) || outside(number(pRate), 0, 4),
                         QStringLiteral("Prediction Period must be either 0 or between 1 and 4"));
        }

        m.refuseWhen(zeroOrWithin(c.SCharge, 2, 99), QStringLiteral("Water Fixed Charge must be either 0 or between 5 and 99"));
        m.refuseWhen(zeroOrWithin(c.CheapR, 2, 99), QStringLiteral("Sewage Fixed Charge must be either 0 or between 5 and 99"));

        const bool discount1Percent = value(c.Disc1P) == 1;
        if (discount1Percent) {
            m.refuseWhen(zeroOrWithin(c.Disc1, 1, 30), QStringLiteral("Discount 1 must be either 0 or between 1% and 30%"));
        } else {
            m.refuseWhen(zeroOrWithin(c.Disc1, 1, 99), QStringLiteral("Discount 1 must be either 0 or between 1 and 99"));
        }
        m.refuseWhen(zeroOrWithin(c.Disc2, 1, 99), QStringLiteral("Discount 2 must be either 0 or between 1 and 99"));
        m.refuseWhen(zeroOrWithin(c.VAT, 1, 50), QStringLiteral("VAT Rate must be between 0 and 50%"));
        m.refuseWhen(zeroOrWithin(c.BPoint, 10, 100),
                     QStringLiteral("Sewage Volume Allowance must be 0 or between 10 and 100"));

        StepCode = 133;
        if (InhibitErrorCheck == 1)
            PendingMessage.clear();

        StepCode = 134;
        if (PendingMessage.isEmpty()) {
            const Rendering renderings[] = {
                {c.BPoint, 1, true},   {c.CheapR, 2, true}, {c.NormalR1, 4, false},
                {c.NormalR2, 4, true}, {c.SCharge, 2, true}, {c.PRate, 0, true},
                {c.VAT, 1, true},      {c.Disc1, 2, true},   {c.Disc2, 2, true},
            };
            // Only a text both readings agree on is rewritten, so the shown
            // digits are always the value the arithmetic will use.
            for (const Rendering &r : renderings) {
                const QString text = r.field->text();
                if (numbers::isNumeric(text, loc))
                    r.field->setText(numbers::fixed(number(text), r.decimals));
            }
            for (const Rendering &r : renderings) {
                if (r.emptiedWhenZero && number(r.field->text()) == 0)
                    r.field->clear();
            }
        }

        StepCode = 135;
        if (PendingMessage.isEmpty() && addSymbol) {
            CurrencySymbol = loc.toCurrencyString(1.0).left(1);
            const QString prefix = symbolPrefix();
            QList<QLineEdit *> money = {c.CheapR, c.NormalR1, c.NormalR2, c.SCharge, c.Disc2};
            if (!discount1Percent)
                money << c.Disc1;
            // An unstripped field may carry the symbol already; dressing it a
            // second time would make its text unreadable.
            for (QLineEdit *field : money) {
                if (!prefix.isEmpty() && !field->text().isEmpty() && !field->text().startsWith(prefix))
                    field->setText(prefix + field->text());
            }
        }

        ApplyTaxName();
        RefreshResultCurrency();
    });
}
