#pragma once

#include "calc/results.h"
#include "calc/tariff.h"

#include <QString>
#include <QStringList>

// The report a saved calculation appends to the results log: the actual cost,
// then the prediction, each line laid out in fixed columns.
namespace records::report {

// What the report takes from the window's captions rather than its values.
struct Labels {
    QString taxWord;      // "VAT" or "Tax"
    QString unitsPerDay;  // the caption of the units per day, "Litres/Day:"
};

// The stamp and notes, then the actual cost down to the units used per day.
QStringList actualCost(const calc::Tariff &tariff, const calc::Readings &readings, const calc::Results &results,
                       const Labels &labels, const QString &stamp);

// The prediction, from the empty line that parts it from the actual cost;
// nothing when no periods are to be predicted.
QStringList prediction(const calc::Tariff &tariff, const calc::Readings &readings, const calc::Results &results,
                       const Labels &labels);

// The report's lines as one write, closed by its rule.
QString text(const QStringList &lines);

}  // namespace records::report
