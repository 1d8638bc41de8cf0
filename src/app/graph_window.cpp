#include "app/graph_window.h"

#include "app/aquabill_main.h"
#include "calc/dates.h"
#include "calc/numbers.h"
#include "core/messages.h"
#include "records/record_texts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QColor usualColour(0x3A, 0x7C, 0xB8);
const QColor unusualColour(0xD0, 0x30, 0x20);
const QColor unusualRow(0xFB, 0xDA, 0xD5);
const QColor medianColour(0x33, 0x33, 0x33);

// "1 interval" and "all 6 intervals": the chart's title and legend count them.
QString allIntervals(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 interval") : QStringLiteral("all %1 intervals").arg(count);
}

// A chosen name without a suffix gets the one of the kind of file written.
QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

QTableWidgetItem *cell(const QString &text, bool unusual)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (unusual)
        item->setBackground(unusualRow);
    return item;
}

}  // namespace

void AquabillMain::Graph_Click()
{
    CheckFolder(QStringLiteral("Log"));
    if (CheckLogFile(QStringLiteral("history"), HistoryFileName))
        return;
    const std::optional<records::ReadingSummary> summary =
        records::summariseReadings(desktop(), records::logPath(HistoryFileName), locale(), frmGraph::Shown);
    if (!summary) {
        desktop().message(messages::historyUnreadable(HistoryFileName),
                          messages::graphTitle, platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    if (summary->intervals == 0) {
        desktop().message(messages::tooFewToChart, messages::graphTitle,
                          platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    frmGraph graph(*this, *summary);
    graph.run();
}

frmGraph::frmGraph(AquabillMain &main, const records::ReadingSummary &summary)
    : QDialog(&main), m_main(main), m_unit(main.controls().UDayL->text().remove(u':').trimmed())
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("Aquabill Readings"));
    resize(860, 640);

    Chart = new QChartView(this);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setRenderHint(QPainter::Antialiasing);
    Chart->setMinimumHeight(360);
    Readings = new QTableWidget(this);
    Readings->setObjectName(QStringLiteral("Readings"));

    Export = new QPushButton(QStringLiteral("&Export CSV..."), this);
    Export->setObjectName(QStringLiteral("Export"));
    Export->setToolTip(QStringLiteral("Save every interval as a spreadsheet file"));
    SavePicture = new QPushButton(QStringLiteral("&Save Picture..."), this);
    SavePicture->setObjectName(QStringLiteral("SavePicture"));
    SavePicture->setToolTip(QStringLiteral("Save the chart as a PNG or SVG picture"));
    CloseGraph = new QPushButton(QStringLiteral("&Close"), this);
    CloseGraph->setObjectName(QStringLiteral("CloseGraph"));
    CloseGraph->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Export);
    buttons->addWidget(SavePicture);
    buttons->addStretch();
    buttons->addWidget(CloseGraph);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Chart, 3);
    layout->addWidget(Readings, 2);
    layout->addLayout(buttons);

    buildChart(summary);
    buildTable(summary);

    connect(Export, &QPushButton::clicked, this, &frmGraph::Export_Click);
    connect(SavePicture, &QPushButton::clicked, this, &frmGraph::SavePicture_Click);
    connect(CloseGraph, &QPushButton::clicked, this, &QDialog::accept);
}

int frmGraph::run()
{
    if (m_main.state().Stored.RunOnTop == 2)
        m_main.desktop().placeOnTop(this, true);
    return exec();
}

void frmGraph::buildChart(const records::ReadingSummary &summary)
{
    const QLocale locale = m_main.locale();
    auto *usual = new QBarSet(m_unit);
    usual->setColor(usualColour);
    usual->setBorderColor(usualColour);
    auto *unusual = new QBarSet(QStringLiteral("Unusually high use"));
    unusual->setColor(unusualColour);
    unusual->setBorderColor(unusualColour);
    // An empty place at either end: the chart hides the outermost labels of
    // upright dates, and the newest date is the one most looked for. Each
    // place needs a category name of its own.
    QStringList dates{QStringLiteral(" ")};
    *usual << 0;
    *unusual << 0;
    double lowest = 0, highest = summary.median;
    // Each interval has its bar in one set and nothing in the other, so the
    // colour and the legend follow the flag.
    for (const records::ReadingInterval &interval : summary.recent) {
        const bool high = summary.unusual(interval.unitsPerDay);
        *usual << (high ? 0 : interval.unitsPerDay);
        *unusual << (high ? interval.unitsPerDay : 0);
        dates << dates::shortDate(interval.end, locale);
        lowest = std::min(lowest, interval.unitsPerDay);
        highest = std::max(highest, interval.unitsPerDay);
    }
    dates << QStringLiteral("  ");
    *usual << 0;
    *unusual << 0;
    auto *bars = new QStackedBarSeries;
    bars->append(usual);
    bars->append(unusual);
    bars->setBarWidth(0.8);

    auto *median = new QLineSeries;
    median->setName(QStringLiteral("Median of %1: %2 %3")
                        .arg(allIntervals(summary.intervals), numbers::plain(summary.median), m_unit));
    median->setPen(QPen(medianColour, 2, Qt::DashLine));
    median->append(-0.5, summary.median);
    median->append(double(dates.size()) - 0.5, summary.median);

    auto *chart = new QChart;
    chart->addSeries(bars);
    chart->addSeries(median);
    chart->setTitle(QStringLiteral("Water used per day, ")
                    + (qint64(summary.recent.size()) < summary.intervals
                           ? QStringLiteral("last %1 of %2 intervals").arg(summary.recent.size()).arg(summary.intervals)
                           : allIntervals(summary.intervals)));

    auto *dateAxis = new QBarCategoryAxis;
    dateAxis->append(dates);
    dateAxis->setTitleText(QStringLiteral("Date of reading"));
    dateAxis->setLabelsAngle(-90);
    // Sixty dates stand side by side; cut short they would say nothing.
    dateAxis->setTruncateLabels(false);
    QFont small = dateAxis->labelsFont();
    small.setPointSizeF(7.5);
    dateAxis->setLabelsFont(small);
    auto *useAxis = new QValueAxis;
    useAxis->setTitleText(m_unit);
    useAxis->setRange(lowest, highest > lowest ? highest * 1.1 : lowest + 1);
    useAxis->applyNiceNumbers();
    // Whole numbers serve any household's use, but a log with next to none
    // gets ticks a fraction apart, which whole numbers would label 0, 0, 1, 1.
    // The nice ticks are 1, 2 or 5 times a power of ten apart; the nudge keeps
    // a step of 0.1 that division leaves as 0.0999… at one decimal.
    const double step = (useAxis->max() - useAxis->min()) / (useAxis->tickCount() - 1);
    const int decimals = std::max(0, -int(std::floor(std::log10(step) + 1e-9)));
    useAxis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    chart->addAxis(dateAxis, Qt::AlignBottom);
    chart->addAxis(useAxis, Qt::AlignLeft);
    for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(bars), static_cast<QAbstractSeries *>(median)}) {
        series->attachAxis(dateAxis);
        series->attachAxis(useAxis);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    Chart->setChart(chart);
}

void frmGraph::buildTable(const records::ReadingSummary &summary)
{
    const QLocale locale = m_main.locale();
    Readings->setColumnCount(5);
    Readings->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Reading"), QStringLiteral("Days"),
                                         QStringLiteral("Units"), m_unit});
    Readings->setRowCount(int(summary.recent.size()));
    int row = 0;
    for (const records::ReadingInterval &interval : summary.recent) {
        const bool high = summary.unusual(interval.unitsPerDay);
        Readings->setItem(row, 0, cell(dates::shortDate(interval.end, locale), high));
        Readings->setItem(row, 1, cell(numbers::oneDecimal(interval.reading), high));
        Readings->setItem(row, 2, cell(QString::number(interval.days), high));
        Readings->setItem(row, 3, cell(numbers::oneDecimal(interval.units), high));
        Readings->setItem(row, 4, cell(numbers::oneDecimal(interval.unitsPerDay), high));
        ++row;
    }
    Readings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Readings->setSelectionBehavior(QAbstractItemView::SelectRows);
    Readings->verticalHeader()->setVisible(false);
    Readings->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Readings->scrollToBottom();
}

void frmGraph::reportFailure(const QString &text)
{
    m_main.desktop().message(text + records::crlf + messages::permissionsHint, messages::graphTitle,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
}

void frmGraph::Export_Click()
{
    const QString chosen = m_main.desktop().saveFileName(QStringLiteral("Export Readings"),
                                                         QStringLiteral("Aquabill_readings.csv"),
                                                         QStringLiteral("CSV files (*.csv)"));
    if (chosen.isEmpty())
        return;
    const QString path = withSuffix(chosen, QStringLiteral("csv"));
    // Written beside the chosen name and put in its place whole, so a failed
    // export never leaves half a file behind or spoils an earlier one.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                         && records::writeIntervalsCsv(m_main.desktop(), records::logPath(m_main.state().HistoryFileName),
                                                       m_main.locale(), file)
                         && file.commit();
    if (!written) {
        file.cancelWriting();
        reportFailure(messages::exportFailed(QDir::toNativeSeparators(path)));
    }
}

void frmGraph::SavePicture_Click()
{
    const QString chosen = m_main.desktop().saveFileName(QStringLiteral("Save Picture"),
                                                         QStringLiteral("Aquabill_readings.png"),
                                                         QStringLiteral("PNG picture (*.png);;SVG picture (*.svg)"));
    if (chosen.isEmpty())
        return;
    const QString path = withSuffix(chosen, QStringLiteral("png"));
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(Chart->size());
        svg.setViewBox(Chart->rect());
        // At the window's own resolution, or the text would be drawn smaller
        // than the chart laid it out.
        svg.setResolution(Chart->logicalDpiX());
        svg.setTitle(windowTitle());
        QPainter painter;
        written = painter.begin(&svg);
        if (written) {
            Chart->render(&painter);
            written = painter.end();
        }
    } else if (written) {
        written = Chart->grab().save(&file, "PNG");
    }
    if (!(written && file.commit())) {
        file.cancelWriting();
        reportFailure(messages::pictureFailed(QDir::toNativeSeparators(path)));
    }
}
