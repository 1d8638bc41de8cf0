#pragma once

#include "app/controls.h"
#include "records/results_report.h"

// What the logs take from the window's captions.
namespace boxes {

// "VAT" or "Tax": the first three letters of the tax rate's caption.
QString taxWord(const Controls &c);

records::report::Labels reportLabels(const Controls &c);

}  // namespace boxes
