#include "records/results_report.h"

#include "calc/numbers.h"
#include "records/record_texts.h"

namespace records::report {

namespace {

// The wording and amounts both parts of the report share.
struct Wording {
    Wording(const calc::Tariff &tariff, const calc::Results &results)
        : monthly(tariff.monthly == 1)
        , suffix(monthly ? QStringLiteral(" Month(s)  ") : QStringLiteral(" * 6 Months"))
        , plural(monthly ? QStringLiteral("Months") : QStringLiteral("6 Months"))
        , singular(monthly ? QStringLiteral("Month") : QStringLiteral("6 Months"))
        , unit(tariff.gallons == 1 ? QStringLiteral(" 1000 Gallons") : QStringLiteral(" Cubic Metre"))
        , allowance(numbers::leading(tariff.sewageAllowance) != 0
                        ? QStringLiteral("(") + rightAligned(tariff.sewageAllowance, 5) + QStringLiteral("%)")
                        : QString(8, u' '))
        , periods(numbers::plain(results.chargePeriods))
        , sewerage(numbers::leading(results.actual.sewageUnits) != 0)
    {
    }

    bool monthly;
    QString suffix, plural, singular, unit, allowance, periods;
    bool sewerage;
};

// The boxes show a negative amount as its magnitude, the colour telling the
// sign; the report has no colour, so it writes the sign.
QString amount(const QString &shown, bool negative) { return negative ? u'-' + shown : shown; }
QString deduction(const QString &shown, bool negative) { return negative ? shown : u'-' + shown; }

// The discount and tax lines are the same in both parts but for their amounts.
void addDeductions(QStringList &lines, const calc::Tariff &tariff, const calc::Bill &bill, const QString &taxWord)
{
    if (!tariff.discount1.isEmpty()) {
        lines << QStringLiteral("Cost before Discount 1      :") + rightAligned(amount(bill.subTotal, bill.negative.subTotal), 9);
        QString line = QStringLiteral("Discount 1                  :")
                       + rightAligned(deduction(bill.discount1, bill.negative.discount1), 9);
        if (tariff.discount1Percent == 1)
            line += QStringLiteral("  at ") + rightAligned(tariff.discount1 + u'%', 6);
        lines << line;
    }
    if (!tariff.taxRate.isEmpty()) {
        lines << QStringLiteral("Cost before ") + taxWord + QStringLiteral("             :") + rightAligned(bill.costBeforeTax, 9)
              << taxWord + QStringLiteral("                         :") + rightAligned(bill.tax, 9) + QStringLiteral("  at ")
                     + rightAligned(tariff.taxRate + QStringLiteral("0%"), 6);
    }
    if (!tariff.discount2.isEmpty()) {
        lines << QStringLiteral("Cost before Discount 2      :") + rightAligned(bill.costBeforeDiscount2, 9);
        QString line = QStringLiteral("Discount 2                  :")
                       + rightAligned(deduction(bill.discount2, bill.negative.discount2), 9);
        if (tariff.discount2Fixed == 1)
            line += QStringLiteral("  Fixed Discount");
        lines << line;
    }
}

}  // namespace

QStringList actualCost(const calc::Tariff &tariff, const calc::Readings &readings, const calc::Results &results,
                       const Labels &labels, const QString &stamp)
{
    const Wording w(tariff, results);
    const calc::Bill &bill = results.actual;
    QStringList lines;
    // Notes of several lines keep the file's CR LF line ends.
    QString notes = readings.notes;
    notes.replace(u'\n', crlf);
    lines << stamp << notes << QString();
    lines << QStringLiteral("Cost To Date (") + rightAligned(results.days, 3) + QStringLiteral(" Days)")
          << QStringLiteral("-----------------------")
          << QStringLiteral("From                        : ") + readings.date1
          << QStringLiteral("To                          : ") + readings.date2
          << QStringLiteral("Period                      :") + rightAligned(w.periods, 6)
                 + QStringLiteral("     (Number Complete & Part ") + w.plural + QStringLiteral(")")
          << QStringLiteral("Water Units Cost            : ") + rightAligned(bill.waterCost, 8) + u' '
                 + rightAligned(bill.waterUnits, 7) + QStringLiteral(" units at ") + tariff.waterVolumeCharge
                 + QStringLiteral(" per") + w.unit;
    if (!tariff.waterFixedCharge.isEmpty())
        lines << QStringLiteral("Water Fixed Charge          : ") + rightAligned(bill.waterFixed, 8) + u' '
                     + rightAligned(w.periods, 2) + w.suffix + QStringLiteral(" at ") + tariff.waterFixedCharge
                     + QStringLiteral(" per ") + w.singular;
    if (w.sewerage)
        lines << QStringLiteral("Sewerage Units Cost ") + w.allowance + QStringLiteral(": ")
                     + rightAligned(bill.sewageCost, 8) + u' ' + rightAligned(bill.sewageUnits, 7)
                     + QStringLiteral(" units at ") + tariff.sewageVolumeCharge + QStringLiteral(" per") + w.unit;
    if (!tariff.sewageFixedCharge.isEmpty())
        lines << QStringLiteral("Sewerage Fixed Charge       :") + rightAligned(bill.sewageFixed, 9) + u' '
                     + rightAligned(w.periods, 2) + w.suffix + QStringLiteral(" at ") + tariff.sewageFixedCharge
                     + QStringLiteral(" per ") + w.singular;
    addDeductions(lines, tariff, bill, labels.taxWord);
    lines << QStringLiteral("Total Cost                  :") + rightAligned(amount(bill.total, bill.negative.total), 9)
          << QStringLiteral("Cost per Day                :")
                 + rightAligned(amount(results.costPerDay, results.costPerDayNegative), 9)
          << QStringLiteral("Units used per Day          :") + rightAligned(results.unitsPerDay, 8) + QStringLiteral("   ")
                 + labels.unitsPerDay;
    return lines;
}

QStringList prediction(const calc::Tariff &tariff, const calc::Readings &readings, const calc::Results &results,
                       const Labels &labels)
{
    if (numbers::leading(tariff.predictionPeriods) == 0)
        return {};
    const Wording w(tariff, results);
    const calc::Bill &bill = results.predicted;
    const QString &periods = tariff.predictionPeriods;
    QStringList lines;
    lines << QString()
          << QStringLiteral("Cost Prediction Over ") + periods + w.suffix + QStringLiteral(" (")
                 + rightAligned(results.predictedDays, 3) + QStringLiteral(" Days)")
          << QString(44, u'-') << QStringLiteral("From                        : ") + readings.date1
          << QStringLiteral("Water Units Cost            : ") + rightAligned(bill.waterCost, 8) + u' '
                 + rightAligned(bill.waterUnits, 7) + QStringLiteral(" units at ") + tariff.waterVolumeCharge
                 + QStringLiteral(" per") + w.unit;
    // Unlike its actual twin the predicted fixed-charge line keeps its label
    // when there is no charge.
    QString fixed = QStringLiteral("Water Fixed Charge          :");
    if (!tariff.waterFixedCharge.isEmpty())
        fixed += u' ' + rightAligned(bill.waterFixed, 8) + u' ' + rightAligned(periods, 2) + w.suffix
                 + QStringLiteral(" at ") + tariff.waterFixedCharge + QStringLiteral(" per ") + w.singular;
    lines << fixed;
    if (w.sewerage)
        lines << QStringLiteral("Sewerage Units Cost ") + w.allowance + QStringLiteral(": ")
                     + rightAligned(bill.sewageCost, 8) + u' ' + rightAligned(bill.sewageUnits, 7)
                     + QStringLiteral(" units at ") + tariff.sewageVolumeCharge + QStringLiteral(" per") + w.unit;
    if (!tariff.sewageFixedCharge.isEmpty())
        lines << QStringLiteral("Sewerage Fixed Charge       : ") + rightAligned(bill.sewageFixed, 8) + u' '
                     + rightAligned(periods, 2) + w.suffix + QStringLiteral(" at ") + tariff.sewageFixedCharge
                     + QStringLiteral(" per ") + w.singular;
    addDeductions(lines, tariff, bill, labels.taxWord);
    lines << QStringLiteral("Total Cost                  :") + rightAligned(amount(bill.total, bill.negative.total), 9);
    return lines;
}

QString text(const QStringList &lines)
{
    // The closing rule, then an empty line; the append adds the last line end.
    return (lines + QStringList{QString(79, u'-'), QString(), QString()}).join(crlf);
}

}  // namespace records::report
