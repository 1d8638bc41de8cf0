#include "support/window_driver.h"
#include "support/history_log.h"

#include "app/graph_window.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QImage>
#include <QLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString history = historylog::path;
using historylog::headings;
using historylog::newLog;
const QByteArray tariff = ", \xA3" "1.5432,  \xA3" "38.50,        ,        ,       ,      ,         ,         ,  6 mth\r\n";
// Weekly readings, the third interval three times the others, with what a
// log picks up besides: a stray line, a blank line and the headings where a
// page ends, a long date, a value written whole past its column, and a second
// entry on one day.
const QByteArray season = newLog + " 01/03/2026,  1000.0" + tariff + " 08/03/2026,  1007.0" + tariff
                          + " 15/03/2026,  1014.7" + tariff + "a stray line, 16/03/2026, 99999\r\n\r\n" + headings
                          + " 22/03/2026,  1035.7" + tariff + "29-Mar-2026,  1042.3" + tariff
                          + " 05/04/2026,  1049.5, \xA3" "12345.6789" + tariff + " 05/04/2026,  1050.0" + tariff
                          + " 12/04/2026,  1057.0" + tariff;

// Clicks Graph and hands the chart window, once it is up, to `look`, then
// closes it unless `look` did; false when no chart window opened.
bool withGraph(WindowDriver &d, const std::function<void(frmGraph &)> &look)
{
    bool opened = false;
    QTimer::singleShot(0, d.window.get(), [&] {
        if (auto *graph = qobject_cast<frmGraph *>(QApplication::activeModalWidget())) {
            opened = true;
            look(*graph);
            if (graph->isVisible())
                QTest::mouseClick(graph->CloseGraph, Qt::LeftButton);
        }
    });
    d.click(u"Graph"_s);
    return opened;
}

// Each bar as "date=value", marked when it is drawn as unusual.
QStringList bars(const frmGraph &graph)
{
    const QChart *chart = graph.Chart->chart();
    const auto *series = qobject_cast<QStackedBarSeries *>(chart->series().at(0));
    const auto *axis = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).at(0));
    const QBarSet *usual = series->barSets().at(0), *unusual = series->barSets().at(1);
    QStringList out;
    for (int i = 0; i < axis->count(); ++i)
        if (!axis->at(i).trimmed().isEmpty())
            out << axis->at(i) + u'=' + QString::number(usual->at(i) + unusual->at(i))
                       + (unusual->at(i) > 0 ? u" "_s + unusual->label() : QString());
    return out;
}

QStringList rows(const QTableWidget *table)
{
    QStringList out;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        out << cells.join(u'|');
    }
    return out;
}

}  // namespace

// The chart of the saved readings, opened from the main window.
class TestGraphWindow : public QObject {
    Q_OBJECT

private slots:
    void chartShowsTheSeason()
    {
        WindowDriver d;
        d.folder.write(history, season);
        QVERIFY(d.start());
        d.enter({"Date2=19/04/2026", "NRead2=1070", "Notes=kept", "OnTop"});
        const QStringList boxes = {"Date1", "NRead1", "Date2", "NRead2", "Notes", "Status", "Save"};
        const QStringList before = d.state(boxes);

        d.platform.saveAs({u"readings"_s, u"no/such/folder/readings.csv"_s, u"chart.svg"_s, u"chart"_s});
        QStringList chart, table;
        QVERIFY(withGraph(d, [&](frmGraph &graph) {
            QChart *c = graph.Chart->chart();
            const auto *median = qobject_cast<QLineSeries *>(c->series().at(1));
            const auto *use = qobject_cast<QValueAxis *>(c->axes(Qt::Vertical).at(0));
            // The colour drawn halfway up a usual and an unusual bar.
            const QImage drawn = graph.Chart->grab().toImage();
            const auto colourAt = [&](double bar, double height) {
                const QPointF at = c->mapToPosition(QPointF(bar, height / 2), c->series().at(0));
                return drawn.pixelColor(graph.Chart->mapFromScene(c->mapToScene(at))).name();
            };
            // A legend key is edged in its own colour, as the bars are.
            QStringList keys;
            for (const QLegendMarker *key : c->legend()->markers(c->series().at(0))) {
                const QColor fill = key->brush().color(), edge = key->pen().color();
                keys << key->label() + u' ' + fill.name() + (edge == fill ? QString() : u" edged "_s + edge.name());
            }
            chart << graph.windowTitle() << c->title() << bars(graph) << median->name()
                  << u"%1 to %2 at %3 %4"_s.arg(median->at(0).x()).arg(median->at(1).x()).arg(median->at(0).y()).arg(median->at(1).y())
                  << c->axes(Qt::Horizontal).at(0)->titleText() + u", "_s + use->titleText()
                  << u"from %1 to %2"_s.arg(use->min()).arg(use->max())
                  << colourAt(1, 1000) + u" and "_s + colourAt(3, 3000)
                  << keys.join(u", "_s) + (c->legend()->geometry().top() > c->plotArea().bottom() ? u" below"_s : u" above"_s);
            // Its parts answer to their names, as the main window's controls do.
            for (const QWidget *part : std::initializer_list<QWidget *>{graph.Chart, graph.Readings, graph.CloseGraph})
                chart << part->objectName();
            // The table shows the log: asking to edit a cell opens no editor on it.
            graph.Readings->setCurrentCell(0, 1);
            QTest::keyClick(graph.Readings, Qt::Key_F2);
            QVERIFY(graph.Readings->findChildren<QLineEdit *>().isEmpty());
            table = rows(graph.Readings);
            // Its columns share its whole width, with no row numbers beside them.
            QVERIFY(!graph.Readings->verticalHeader()->isVisibleTo(graph.Readings));
            QCOMPARE(graph.Readings->horizontalHeader()->length(), graph.Readings->viewport()->width());
            // The chart is what the window is for: made taller, the window gives it the larger share, above the table.
            graph.resize(graph.width(), graph.height() * 2);
            graph.layout()->activate();
            QVERIFY(graph.Chart->height() > graph.Readings->height() && graph.Chart->geometry().bottom() < graph.Readings->y());
            for (const char *name : {"Export", "Export", "SavePicture", "SavePicture", "Export"}) {
                auto *button = graph.findChild<QPushButton *>(name);
                QVERIFY2(button, name);
                QTest::mouseClick(button, Qt::LeftButton);
            }
            // Enter, wherever it is pressed, closes the chart.
            QTest::keyClick(graph.Readings, Qt::Key_Return);
            chart << (graph.isVisible() ? u"open after Enter"_s : u"closed by Enter"_s);
        }));
        QCOMPARE(chart, (QStringList{"Aquabill Readings", "Water used per day, all 6 intervals", "08/03/2026=1000",
                                     "15/03/2026=1100", "22/03/2026=3000 Unusually high use", "29/03/2026=942.9",
                                     "05/04/2026=1028.6", "12/04/2026=1000",
                                     "Median of all 6 intervals: 1014.3 Litres/Day", "-0.5 to 7.5 at 1014.3 1014.3",
                                     "Date of reading, Litres/Day", "from 0 to 4000",
                                     "#3a7cb8 and #d03020", "Litres/Day #3a7cb8, Unusually high use #d03020 below",
                                     "Chart", "Readings", "CloseGraph",
                                     "closed by Enter"}));
        QCOMPARE(table, (QStringList{"08/03/2026|1007.0|7|7.0|1000.0", "15/03/2026|1014.7|7|7.7|1100.0",
                                     "22/03/2026|1035.7|7|21.0|3000.0", "29/03/2026|1042.3|7|6.6|942.9",
                                     "05/04/2026|1049.5|7|7.2|1028.6", "12/04/2026|1057.0|7|7.0|1000.0"}));

        // A name without a suffix gets one; a failed export leaves nothing and
        // says so; a cancelled dialog does nothing.
        QCOMPARE(d.folder.read(u"readings.csv"_s), QByteArray("date,reading,days,units,units_per_day\r\n"
                                                             "2026-03-08,1007.0,7,7.0,1000.0\r\n"
                                                             "2026-03-15,1014.7,7,7.7,1100.0\r\n"
                                                             "2026-03-22,1035.7,7,21.0,3000.0\r\n"
                                                             "2026-03-29,1042.3,7,6.6,942.9\r\n"
                                                             "2026-04-05,1049.5,7,7.2,1028.6\r\n"
                                                             "2026-04-12,1057.0,7,7.0,1000.0\r\n"));
        QCOMPARE(d.messages(), QStringList{u"Aquabill Graph: Unable to export the readings to "
                                           u"no/such/folder/readings.csv.\r\nThis may be a permissions problem."_s});
        QCOMPARE(d.platform.saveDialogs.size(), 5);
        QCOMPARE(d.platform.saveDialogs.last(), u"Export Readings: Aquabill_readings.csv"_s);
        const QByteArray svg = d.folder.read(u"chart.svg"_s);
        QVERIFY(svg.startsWith("<?xml") && svg.contains("<svg") && svg.contains("Aquabill Readings"));
        QVERIFY(svg.contains("Unusually high use"));  // the chart itself is drawn, legend and all
        const QImage png = QImage::fromData(d.folder.read(u"chart.png"_s), "PNG");
        QVERIFY(!png.isNull() && png.width() > 400 && png.height() > 300);

        QCOMPARE(d.state(boxes), before);
        // With On Top ticked the chart window stays above others too.
        QCOMPARE(d.platform.onTopCalls, (QList<bool>{true, true}));
    }

    // Too few readings make no chart; a long log charts its last sixty
    // intervals, every date legible; a log with no use at all still has a
    // value axis to read.
    void chartedIntervals_data()
    {
        QTest::addColumn<QByteArray>("log");
        // The counts, the bars, the first and last bar, the value axis and its ticks; none: a message.
        QTest::addColumn<QStringList>("charted");
        QTest::newRow("new log") << newLog << QStringList{};
        QTest::newRow("one reading") << newLog + " 01/03/2026,  1000.0" + tariff << QStringList{};
        QTest::newRow("two on one day") << newLog + " 01/03/2026,  1000.0" + tariff + " 01/03/2026,  1001.0" + tariff
                                        << QStringList{};
        QByteArray daily = newLog;
        for (QDate day(2026, 1, 1); day <= QDate(2026, 3, 3); day = day.addDays(1)) {
            const QByteArray reading = QByteArray::number(1000 + day.dayOfYear());  // a cubic metre a day
            daily += ' ' + day.toString(u"dd/MM/yyyy"_s).toLatin1() + ",  " + reading + ".0" + tariff;
        }
        QTest::newRow("sixty-one intervals")
            << daily
            << QStringList{"Water used per day, last 60 of 61 intervals; Median of all 61 intervals: 1000 Litres/Day",
                           "bars: 60, dates drawn whole: 60", "03/01/2026=1000", "03/03/2026=1000", "from 0 to 1500", "0, 500"};
        QTest::newRow("a few litres a day")
            << newLog + " 01/03/2026,  1000.0" + tariff + " 26/03/2026,  1000.1" + tariff
            << QStringList{"Water used per day, 1 interval; Median of 1 interval: 4 Litres/Day",
                           "bars: 1, dates drawn whole: 1", "26/03/2026=4", "26/03/2026=4", "from 0 to 5", "0, 1"};
        // A meter read lower than before: the value axis reaches below nought, still in whole litres.
        QTest::newRow("a reading lower than the last")
            << newLog + " 01/03/2026,  1000.0" + tariff + " 05/04/2026,  1000.1" + tariff + " 25/05/2026,  1000.0" + tariff
            << QStringList{"Water used per day, all 2 intervals; Median of all 2 intervals: 0.45 Litres/Day",
                           "bars: 2, dates drawn whole: 2", "05/04/2026=2.9 Unusually high use", "25/05/2026=-2",
                           "from -2 to 4", "-2, 0"};
        QTest::newRow("no water used")
            << newLog + " 01/03/2026,  1000.0" + tariff + " 08/03/2026,  1000.0" + tariff + " 15/03/2026,  1000.0" + tariff
            << QStringList{"Water used per day, all 2 intervals; Median of all 2 intervals: 0 Litres/Day",
                           "bars: 2, dates drawn whole: 2", "08/03/2026=0", "15/03/2026=0", "from 0 to 1", "0.0, 0.2"};
    }

    void chartedIntervals()
    {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, charted);
        WindowDriver d;
        d.folder.write(history, log);
        QVERIFY(d.start());
        QStringList shown;
        QCOMPARE(withGraph(d, [&](frmGraph &graph) {
                     const QStringList all = bars(graph);
                     const QChart *chart = graph.Chart->chart();
                     const auto *use = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).at(0));
                     QCOMPARE(graph.Readings->rowCount(), all.size());
                     // The lowest two ticks, labelled as the axis labels them.
                     const double step = (use->max() - use->min()) / (use->tickCount() - 1);
                     const QByteArray format = use->labelFormat().toLatin1();
                     // A label cut short is drawn as "...".
                     int whole = 0;
                     for (const QGraphicsItem *item : graph.Chart->scene()->items())
                         if (const auto *label = dynamic_cast<const QGraphicsTextItem *>(item))
                             whole += QDate::fromString(label->toPlainText(), u"dd/MM/yyyy"_s).isValid();
                     shown << chart->title() + u"; "_s + chart->series().at(1)->name()
                           << u"bars: %1, dates drawn whole: %2"_s.arg(all.size()).arg(whole) << all.first() << all.last()
                           << u"from %1 to %2"_s.arg(use->min()).arg(use->max())
                           << QString::asprintf(format, use->min()) + u", "_s + QString::asprintf(format, use->min() + step);
                 }),
                 !charted.isEmpty());
        if (!charted.isEmpty()) {
            QCOMPARE(shown, charted);
            return;
        }
        const ScriptedPlatform::Shown message = d.lastMessage();
        QCOMPARE(message.title + u": "_s + message.text, u"Aquabill Graph: Not enough saved meter readings to chart"_s);
        QVERIFY(message.icon == platform::Icon::Exclamation && message.buttons == platform::Buttons::Ok);
    }
};

QTEST_MAIN(TestGraphWindow)
#include "test_graph_window.moc"
