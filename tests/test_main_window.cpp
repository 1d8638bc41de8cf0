#include "support/window_driver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Results are written only by the program; the user may copy them but not type into them.
    void onlyInputBoxesTakeTyping()
    {
        WindowDriver d;
        const QStringList inputs =
            QString("Date1 NRead1 Date2 NRead2 NormalR1 SCharge NormalR2 CheapR BPoint PRate Disc1 VAT Disc2").split(' ');
        const auto boxes = d.window->findChildren<QLineEdit *>();
        QCOMPARE(boxes.size(), inputs.size() + 28);
        const QColor typedBackground = d.find<QLineEdit>("NRead1")->palette().color(QPalette::Base);
        for (QLineEdit *box : boxes) {
            // A result also stands out from the boxes typed into by its shaded background.
            const bool result = box->isReadOnly() && box->alignment() & Qt::AlignRight
                                && box->palette().color(QPalette::Base) != typedBackground;
            const bool input = inputs.contains(box->objectName());
            QVERIFY2(input ? !box->isReadOnly() : result, qPrintable(box->objectName()));
            // Typed figures line up on the right, as results do; the dates and the periods to predict are centred.
            const Qt::Alignment typed = QStringList{"Date1", "Date2", "PRate"}.contains(box->objectName())
                                            ? Qt::AlignHCenter : Qt::AlignRight;
            QVERIFY2(!input || (box->alignment() & Qt::AlignHorizontal_Mask) == typed, qPrintable(box->objectName()));
            // Of the boxes typed into, only the discounts are typed in orange.
            box->ensurePolished();
            const bool orange = box->palette().color(QPalette::Text) == QColor(255, 128, 0);
            QVERIFY2(!input || orange == box->objectName().startsWith("Disc"), qPrintable(box->objectName()));
        }
        // Captions are written in dark green; the title, the headings, the notes and typed figures in dark grey.
        const QColor green(0x00, 0x66, 0x00), grey(0x33, 0x33, 0x33);
        const std::tuple<const char *, QPalette::ColorRole, QColor> inks[] = {
            {"Label1", QPalette::WindowText, green}, {"Label26", QPalette::WindowText, grey},
            {"Label10", QPalette::WindowText, grey}, {"Notes", QPalette::Text, grey}, {"NRead1", QPalette::Text, grey}};
        for (const auto &[name, role, ink] : inks) {
            QWidget *written = d.find(name);
            written->ensurePolished();
            QVERIFY2(written->palette().color(role) == ink, name);
        }
        // Tab leaves the notes for the next box rather than typing into them.
        d.type("Notes", "Meter moved");
        QTest::keyClick(d.find<QPlainTextEdit>("Notes"), Qt::Key_Tab);
        QCOMPARE(d.text("Notes"), "Meter moved");
        // Checking the readings leaves the notes as typed, so Ctrl+Z still undoes the typing.
        d.click("Calc");
        QVERIFY(d.find<QPlainTextEdit>("Notes")->document()->isUndoAvailable());
        d.type("Notes", "Meter moved\n" + QString(80, 'x'));
        QCOMPARE(d.text("Notes"), "Meter moved\n" + QString(63, 'x'));
    }

    // Loading holds off the option handlers, so a stored percentage discount survives its box being ticked.
    void startsFixedWithTheStoredOptions()
    {
        WindowDriver d;
        d.folder.write("Data/Aquabill.ini", ProgramFolder::shippedConfiguration()
                                                .replace("Disc1=1\r\nDisc1PT=1", "Disc1=6\r\nDisc1PT=2")
                                                .replace("\nVRate=1\r", "\nVRate=18.5\r"));
        QVERIFY(d.start());
        QCOMPARE(d.state({"Disc1P", "Disc1", "VAT", "Save"}),
                 QStringList({"Disc1P=1", "Disc1=5.00", "VAT=17.5", "Save=disabled"}));
        // A stored tax rate names the tax on its results from the start.
        QCOMPARE(d.find("VCostP")->toolTip(), "Predicted Total VAT");
        QVERIFY(d.window->minimumSize() == QSize(794, 341) && d.window->maximumSize() == QSize(794, 341));
        for (const char *bold : {"Label10", "Label3", "Label11", "Status"})  // the headings and the status line
            QVERIFY2(d.find<QLabel>(bold)->font().bold(), bold);
        QCOMPARE(d.window->objectName() + ": " + d.window->windowTitle(), "AquabillMain: Aquabill");
        QCOMPARE(d.find("Graph")->toolTip(), "Chart the saved meter readings");
        // The maker's logo and the window's icon are drawn, not left blank, and
        // what lies behind them shows through their corners rather than a box.
        const auto drawn = [](const QImage &picture) {
            QImage blank(picture.size(), picture.format());
            blank.fill(Qt::transparent);
            return !picture.isNull() && picture != blank && picture.pixelColor(0, 0).alpha() == 0;
        };
        QVERIFY(drawn(d.find<QLabel>("Logo")->pixmap().toImage()));
        QVERIFY(drawn(d.window->windowIcon().pixmap(64).toImage()));
        // No control lies over another (the frame round the water data aside),
        // and every caption has the room its text needs.
        const QList<QWidget *> controls = d.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls) {
            if (const auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
                // A caption that wraps needs room for its longest word and all its lines;
                // blanks it starts with stay on its first line.
                const QStringList words = label->wordWrap() ? label->text().split(QRegularExpression(u"(?<=\\S) "_s))
                                                            : QStringList{label->text()};
                bool fits = !label->wordWrap() || label->heightForWidth(label->width()) <= label->height();
                for (const QString &word : words)
                    fits = fits && label->fontMetrics().horizontalAdvance(word) <= label->width();
                QVERIFY2(fits, qPrintable(label->objectName()));
            }
            for (QWidget *other : controls) {
                const bool frame = control->objectName() == "Label41" || other->objectName() == "Label41";
                QVERIFY2(control == other || frame || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + " " + other->objectName()));
            }
        }
        // The result boxes are all of one height, and the grid's two rows of thirteen line up column by column.
        QSet<int> heights;
        QMap<int, QList<QRect>> rows;  // each row's boxes, placed as if at its top
        for (QLineEdit *box : d.window->findChildren<QLineEdit *>()) {
            if (box->isReadOnly()) {
                heights.insert(box->height());
                rows[box->y()] += box->geometry().translated(0, -box->y());
            }
        }
        QCOMPARE(heights.size(), 1);
        QCOMPARE(rows.value(d.find("TDays")->y()).size(), 13);
        QCOMPARE(rows.value(d.find("TDays")->y()), rows.value(d.find("TDaysP")->y()));
        // The headings over single columns end on one line, so that their last lines read as one row.
        QSet<int> headingBottoms;
        for (QLabel *label : d.window->findChildren<QLabel *>()) {
            if (label->alignment() == (Qt::AlignHCenter | Qt::AlignBottom) && label->width() < 2 * d.find("TDays")->width())
                headingBottoms.insert(label->geometry().bottom());
        }
        QCOMPARE(headingBottoms.size(), 1);
        // Label41, the frame round the water data, is drawn: its edge is darker than what it encloses.
        const QImage frame = d.find("Label41")->grab().toImage();
        const auto lightness = [&](int x) { return frame.pixelColor(x, frame.height() / 2).lightness(); };
        QVERIFY(lightness(0) < lightness(frame.width() / 2) && lightness(frame.width() - 1) < lightness(frame.width() / 2));
        // Every control lies inside the window and writes in Arial, bar the frame, which shows no text.
        for (QWidget *child : d.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const bool arial = child->font().family() == "Arial" || child->objectName() == "Label41";
            QVERIFY2(QRect(0, 0, 794, 341).contains(child->geometry()) && arial, qPrintable(child->objectName()));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
