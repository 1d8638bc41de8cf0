#pragma once

#include "records/history_readings.h"

#include <QDialog>
#include <QString>

class AquabillMain;
class QChartView;
class QPushButton;
class QTableWidget;

// The saved meter readings as a picture: units per day of the most recent
// intervals as bars, the median of all intervals as a line, and a table of the
// same intervals underneath. Made anew for every showing, modal over the main
// window, which it leaves as it was.
class frmGraph : public QDialog {
    Q_OBJECT

public:
    // Intervals drawn and listed; the export writes them all.
    static constexpr int Shown = 60;

    frmGraph(AquabillMain &main, const records::ReadingSummary &summary);

    // Kept above the main window when that is kept on top; placed before it
    // is shown, as hiding a shown modal window would end it.
    int run();

    void Export_Click();
    void SavePicture_Click();

    QChartView *Chart;
    QTableWidget *Readings;
    QPushButton *Export, *SavePicture, *CloseGraph;

private:
    void buildChart(const records::ReadingSummary &summary);
    void buildTable(const records::ReadingSummary &summary);
    void reportFailure(const QString &text);

    AquabillMain &m_main;
    QString m_unit;  // "Litres/Day" or "Gal/Day", as the main window says
};
