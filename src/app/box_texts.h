#pragma once

#include "app/controls.h"
#include "calc/results.h"
#include "calc/tariff.h"

// The window's boxes copied into the core's value types and back. Only the
// texts are written back, and only those that changed, so that a box's change
// handler runs exactly when the text it watches changes; the option boxes
// are set by their own handlers' rules, never here.
namespace boxes {

calc::Tariff tariffIn(const Controls &c);
void show(const Controls &c, const calc::Tariff &tariff);

calc::Readings readingsIn(const Controls &c);
void show(const Controls &c, const calc::Readings &readings);

// The results as the boxes show them; the signs and charging periods are
// not shown by any box, so they stay as in `last`.
calc::Results resultsIn(const Controls &c, const calc::Results &last = {});
void show(const Controls &c, const calc::Results &results);

}  // namespace boxes
