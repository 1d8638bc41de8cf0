#include "app/aquabill_main.h"

#include "app/box_texts.h"
#include "core/messages.h"
#include "settings/result_currency.h"
#include "settings/tariff_check.h"
#include "settings/tariff_forms.h"

void AquabillMain::CheckSettings(bool stripSymbol, bool addSymbol)
{
    guarded(messages::checkErrorTitle, [&] {
        // The boxes are written once, when the tariff has taken its last form:
        // only the VAT box has a handler, and it reads nothing but its own
        // text and the ticks.
        calc::Tariff tariff = boxes::tariffIn(c);
        StepCode = 131;
        if (stripSymbol)
            settings::stripPrefix(tariff, symbolPrefix());

        StepCode = 132;
        const QLocale loc = locale();
        settings::useDecimalPoint(tariff, loc);
        PendingMessage += settings::tariffProblems(tariff, Stored, loc);

        StepCode = 133;
        if (InhibitErrorCheck == 1)
            PendingMessage.clear();

        StepCode = 134;
        if (PendingMessage.isEmpty())
            settings::render(tariff, loc);

        StepCode = 135;
        if (PendingMessage.isEmpty() && addSymbol) {
            CurrencySymbol = settings::currencySymbol(loc);
            settings::dressMoney(tariff, symbolPrefix());
        }
        boxes::show(c, tariff);

        ApplyTaxName();
        RefreshResultCurrency();
    });
}

void AquabillMain::RefreshResultCurrency()
{
    calc::Results results = boxes::resultsIn(c, LastResults);
    settings::dressResults(results, symbolPrefix(), locale());
    boxes::show(c, results);
}
