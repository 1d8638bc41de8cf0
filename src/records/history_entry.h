#pragma once

#include "calc/context.h"
#include "calc/tariff.h"
#include "records/history_layout.h"

// The history log's entry for a calculation, its columns as the window's
// boxes hold them.
namespace records::history {

// The second reading with the tariff it was charged at.
Entry entryFor(const calc::Tariff &tariff, const calc::Readings &readings, const calc::Context &context);

// The first reading alone, the other columns blank: the reading a new log
// starts from.
Entry openingEntryFor(const calc::Readings &readings, const calc::Context &context);

}  // namespace records::history
