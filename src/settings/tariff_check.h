#pragma once

#include "calc/tariff.h"
#include "settings/stored_options.h"

#include <QLocale>
#include <QString>

namespace settings {

// Every problem with the tariff and the options, each message followed by a
// line feed, in the order the user reads them; empty when there is none. The
// options the file stores are judged as well as those the boxes show.
QString tariffProblems(const calc::Tariff &tariff, const StoredOptions &stored, const QLocale &locale);

}  // namespace settings
