#include "app/aquabill_main.h"

#include "app/box_texts.h"
#include "app/record_captions.h"
#include "core/messages.h"
#include "calc/dates.h"
#include "records/results_report.h"

#include <QStringList>

void AquabillMain::FormatResultsReport()
{
    guarded(messages::saveLogErrorTitle, [&] {
        StepCode = 241;
        const calc::Tariff tariff = boxes::tariffIn(c);
        const calc::Readings readings = boxes::readingsIn(c);
        const calc::Results results = boxes::resultsIn(c, LastResults);
        const records::report::Labels labels = boxes::reportLabels(c);
        QStringList lines = records::report::actualCost(tariff, readings, results, labels,
                                                        dates::shortDateTime(desktop().now(), locale()));
        StepCode = 242;
        lines += records::report::prediction(tariff, readings, results, labels);
        ResultsText = records::report::text(lines);
    });
}
