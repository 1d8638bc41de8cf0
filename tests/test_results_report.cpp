#include "support/window_driver.h"
#include "support/worked_report.h"

#include "platform/single_byte_text.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Edits = ReportEdits;

const QStringList bill = u"Period=0;VolUnits1=0;Disc1P=1;Disc2F=1;AutoSave=0;Date1=01/03/2017;Date2=01/09/2017;"
                         "NRead1=1000.0;NRead2=1056.5;NormalR1=1.5432;NormalR2=2.1034;BPoint=95;SCharge=38.50;"
                         "CheapR=42.75;Disc1=5;Disc2=10;VAT=17.5;PRate=2;Notes=Bill for spring and summer"_s.split(u';');

}  // namespace

// The report a saved bill appends to the results log, edited where a case changes the bill.
class TestResultsReport : public QObject {
    Q_OBJECT

private slots:
    void savedReport_data()
    {
        QTest::addColumn<QStringList>("changes");  // typed after the bill
        QTest::addColumn<Edits>("edits");
        QTest::newRow("every line") << QStringList() << Edits{};
        // The units per day's caption comes from the window.
        QTest::newRow("gallons") << QStringList{"VolUnits1=1"} << Edits{{"Cubic Metre", "1000 Gallons"}, {"Litres", "Gal"}};
    }

    void savedReport()
    {
        QFETCH(QStringList, changes);
        QFETCH(Edits, edits);
        const QString expected = editedReport(edits) + u"\r\n"_s;  // the append ends the last line
        WindowDriver d;
        QVERIFY(d.start());
        const QString before = QString::fromLatin1(d.folder.read(u"Log/Aquabill.log"_s));
        d.enter(bill + changes + QStringList{u"Calc"_s});
        d.platform.setNow(d.platform.now().addSecs(75));  // the stamp is the calculation's, not the save's
        d.click(u"Save"_s);
        QCOMPARE(QString::fromLatin1(d.folder.read(u"Log/Aquabill.log"_s)), before + expected);  // "£" is one byte
    }

    // No figure is cut, in the report or on screen, and a credit keeps its sign in the report.
    void wholeFigures_data()
    {
        QTest::addColumn<QStringList>("changes");  // typed after the bill
        QTest::addColumn<QStringList>("lines");    // lines the report holds
        // 10011 units at 9.99, less a fixed 9.90: a total of 99,999.99.
        const QStringList large = u"NRead2=11011;NormalR1=9.99;NormalR2=;BPoint=;SCharge=;CheapR=;VAT=;Disc1=;"
                                  "Disc2=9.90;PRate="_s.split(u';');
        QTest::newRow("large bill") << large << QStringList{
            u"Water Units Cost            : £100,009.89 10011.0 units at £9.9900 per Cubic Metre"_s,
            u"Total Cost                  :£99,999.99"_s, u"Cost per Day                :  £543.48"_s};
        QTest::newRow("credit") << u"NRead2=1002;NormalR2=;BPoint=;SCharge=;CheapR=;VAT=;Disc1=;Disc2=99"_s.split(u';')
            << QStringList{u"Total Cost                  :  -£95.91"_s, u"Cost per Day                :   -£0.52"_s,
                           u"Discount 2                  :  -£99.00  Fixed Discount"_s};
    }

    void wholeFigures()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, lines);
        WindowDriver d;
        QVERIFY(d.start());
        d.enter(bill + changes + QStringList{u"Calc"_s, u"Save"_s});
        const QStringList saved = platform::decodeSingleByte(d.folder.read(u"Log/Aquabill.log"_s)).split(u"\r\n"_s);
        for (const QString &line : lines)
            QVERIFY2(saved.contains(line), qPrintable(saved.filter(line.left(10)).join(u'|')));
        // Each box shows its whole text: it fits the room the frame and margins leave, and
        // only a text that would not fit is shown in other than the boxes' own face and size.
        const QFont own = d.find<QLineEdit>(u"TDaysP"_s)->font();  // no prediction: empty
        const auto room = [](const QLineEdit *box) {
            return box->width() - 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) - 4;
        };
        const auto width = [](const QLineEdit *box) { return QFontMetricsF(box->font()).horizontalAdvance(box->text()); };
        for (QLineEdit *box : d.window->findChildren<QLineEdit *>()) {
            if (!box->isReadOnly() || box->text().isEmpty())
                continue;
            if (box->text().size() <= 5)
                QCOMPARE(box->font(), own);
            QVERIFY2(width(box) <= room(box), qPrintable(box->objectName() + u" "_s + box->text()));
        }
        QVERIFY(!d.text(u"TVCost"_s).isEmpty());
        // A text that just fits keeps the boxes' own face and size; one figure more is set smaller, and fits.
        auto *days = d.find<QLineEdit>(u"TDays"_s);
        QString full;
        for (const QChar c : {u'8', u'.'})
            while (QFontMetricsF(own).horizontalAdvance(full + c) <= room(days))
                full += c;
        days->setText(full);
        QCOMPARE(days->font(), own);
        // One figure more takes the narrower face first, at the same size.
        days->setText(full + u'8');
        QVERIFY(days->font() != own && width(days) <= room(days));
        QCOMPARE(days->font().pointSizeF(), own.pointSizeF());
        // A text that no size fits is drawn at the smallest readable size, and no smaller.
        days->setText(QString(60, u'8'));
        QCOMPARE(days->font().pointSizeF(), 5.0);
        // A text exactly as wide as the room fits too: the box narrowed to a text of whole pixels.
        const QString exact = u"8.8.8.8."_s;
        const double exactWidth = QFontMetricsF(own).horizontalAdvance(exact);
        QCOMPARE(exactWidth, std::round(exactWidth));
        days->resize(days->width() - room(days) + int(exactWidth), days->height());
        days->setText(exact);
        QCOMPARE(days->font(), own);
    }
};

QTEST_MAIN(TestResultsReport)
#include "test_results_report.moc"
