#include "support/window_driver.h"

#include "app/clickable_label.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

// Text boxes are inputs, which the user types into, or results, which only the
// program writes: read-only and right-aligned.
enum class Kind { Label, Input, Result, TickBox, Button, Picture, Timer };
using enum Kind;

struct Designed {
    const char *name;
    Kind kind;
    const char *caption = "";
    const char *tooltip = "";
};

// The window before start-up changes any caption or tooltip.
const Designed designed[] = {
    // Title band
    {"Label26", Label, "Meterwise"}, {"Status", Label}, {"Logo", Picture},
    {"Update", Button, "&Update", "Check the Tarnell web site for the latest version of Aquabill"},
    {"Del_Last", Button, "Re&m Last", "Delete last saved meter reading"},
    {"Get_Last", Button, "&Get Last", "Retrieve last saved meter reading"},
    // Meter Readings
    {"Label10", Label, "Meter Readings"}, {"Label7", Label, "Date"}, {"Label6", Label, "Meter"}, {"Label21", Label, "Notes"},
    {"Label13", Label, "1:"}, {"Label16", Label, "2:"},
    {"Date1", Input, "", "Meter Reading 1 date (must be more than 3 days earlier than Reading 2)"},
    {"NRead1", Input, "", "Meter Reading 1  (1 - 999900 and at least 2 less than Meter Reading 2)"},
    {"Date2", Input, "", "Meter Reading 2 date (must be more than 3 days later than Reading 1)"},
    {"NRead2", Input, "", " Meter Reading 2 (3 - 999999 and at least 2 more than Normal Rate Reading 1)"},
    {"Notes", Input, "", "Notes relating to calculation (max 75 characters)"},
    // Water Data
    {"Label41", Label}, {"Label3", Label, "Water Data"}, {"Label14", Label, "Units:"}, {"Label36", Label, "Disc 1 %:"},
    {"Label35", Label, "Fix Disc 2:"}, {"Label43", Label, "Auto Save:"}, {"Label1", Label, "Water Volume Charge:"},
    {"WVChargeL", Label, "/cum"}, {"Label25", Label, "Predict:"}, {"PRateH", Label, "/ 6m"}, {"Label44", Label, "On Top:"},
    {"Label2", Label, "Water Fixed Charge:"}, {"Label23", Label, "Discount 1:"}, {"Disc1L", Label, "%"}, {"Label8", Label, "Monthly:"},
    {"Label48", Label, "Sewerage Vol Charge:"}, {"SVChargeL", Label, "/cum"}, {"VATH", Label, "VAT:"}, {"Label45", Label, "%"},
    {"Label32", Label, "No History:"}, {"Label31", Label, "Sewerage Fixed Charge:"}, {"Label34", Label, "Discount 2:"},
    {"Label27", Label, "Sewerage Vol Allow:"}, {"Label28", Label, "%"},
    {"VolUnits1", TickBox, "", "Tick to set units to gallons"},
    {"Disc1P", TickBox, "", "If ticked Discount 1 works in %"},
    {"Disc2F", TickBox, "", "If ticked Discount 2 is fixed"},
    {"AutoSave", TickBox, "", "Save result to history and results files when Calculate clicked ( provided no errors occur)"},
    {"OnTop", TickBox, "", "Set Aquabill to run on top"},
    {"Period", TickBox, "", "If ticked sets Aquabill to work monthly rather than six monthly"},
    {"NoHistory", TickBox, "", "If ticked history log will not be updated when saving"},
    {"NormalR1", Input, "", "Water Cost ( between 0.10 and 9.99)"},
    {"SCharge", Input, "", "Water Fixed Charge ( 0 or between 2 and 99)"},
    {"NormalR2", Input, "", "Sewerage Cost ( 0 or between 0.10 and 9.99)"},
    {"CheapR", Input, "", "Sewerage Fixed Charge ( 0 or between 2 and 99)"},
    {"BPoint", Input, "", "Sewerage Volume Allowance (0 or between 10 and 100)"},
    {"PRate", Input}, {"Disc1", Input}, {"VAT", Input}, {"Disc2", Input},
    {"Reset_Defaults", Button, "Reset &Data", "Reset Water Cost Data"},
    {"Save_Defaults", Button, "Sa&ve Data", "Save Water Cost Data"},
    // Results
    {"Label11", Label, "Results"}, {"UDayL", Label, "Units/ Day:"}, {"Label22", Label, "Cost/ Day:"}, {"Label9", Label, "Water"},
    {"Label20", Label, "Sewerage"}, {"Label4", Label, " Fixed Charges"}, {"THead", Label, "Sub Total"}, {"DHead", Label, "Discount 1"},
    {"Label38", Label, "Discount 2"}, {"TVHead", Label, "Total Cost"}, {"Label24", Label, "Days"}, {"Label17", Label, "Units"},
    {"Label15", Label, "Cost"}, {"Label12", Label, "Units"}, {"Label19", Label, "Cost"}, {"Label18", Label, " Water"},
    {"Label33", Label, " Sewerage"}, {"Label5", Label, "Total"}, {"VCostL", Label, "VAT"}, {"Label30", Label, "Actual:"},
    {"Label29", Label, "Predict:"},
    {"UDay", Result, "", "Units of water used per day"}, {"CDay", Result, "", "Cost per day"},
    {"TDays", Result, "", "Number of  days"}, {"R1Units", Result, "", "Number Water Units used"},
    {"NR1Cost", Result, "", "Cost of Water Units used"}, {"R2Units", Result, "", "Number Sewerage Units used"},
    {"NR2Cost", Result, "", "Cost of Sewerage Units used"}, {"TSCharge", Result, "", "Water Fixed Charge cost"},
    {"CRCost", Result, "", "Sewerage Fixed Charge cost"}, {"TFCharge", Result, "", "Total cost of Fixed Charges"},
    {"TCost", Result}, {"D1Cost", Result}, {"VCost", Result}, {"D2Cost", Result}, {"TVCost", Result},
    {"TDaysP", Result, "", "Number of days in prediction period"}, {"R1UnitsP", Result, "", "Number of Water Units predicted"},
    {"NR1CostP", Result, "", "Predicted cost of Water Units used"}, {"R2UnitsP", Result, "", "Number of Sewerage Units predicted"},
    {"NR2CostP", Result, "", "Predicted cost of Sewerage Units used"}, {"TSChargeP", Result, "", "Predicted Water Fixed Charge cost"},
    {"CRCostP", Result, "", "Predicted Sewerage Fixed Charge cost"}, {"TFChargeP", Result, "", "Predicted total cost of Fixed Charges"},
    {"TCostP", Result}, {"D1CostP", Result}, {"VCostP", Result}, {"D2CostP", Result}, {"TVCostP", Result},
    // Command row
    {"Help1", Button, "&Help", "Aquabill Help"},
    {"Archive", Button, "&Archive", "Archive Aquabill results log file and create new one"},
    {"About", Button, "A&bout", "About Aquabill"},
    {"ViewH", Button, "His&tory", "View Aquabill history log file (It will not be updated while open)"},
    {"ViewL", Button, "&Results", "View Aquabill results log file (It will not be updated while open)"},
    {"Clear", Button, "C&lear", "Clear meter readings and results"},
    {"Calc", Button, "&Calculate", "Calculate results"},
    {"Save", Button, "&Save", "Save results  ( each result can only be saved once)"},
    {"Exit", Button, "&Exit", "Close Aquabill"},
    {"Timer1", Timer},
};

bool isKind(QObject *object, Kind kind)
{
    auto *box = qobject_cast<QLineEdit *>(object);
    switch (kind) {
    case Label: return qobject_cast<QLabel *>(object) && !qobject_cast<ClickableLabel *>(object);
    case Input: return (box && !box->isReadOnly()) || qobject_cast<QPlainTextEdit *>(object);
    case Result: return box && box->isReadOnly() && (box->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignRight;
    case TickBox: return qobject_cast<QCheckBox *>(object);
    case Button: return qobject_cast<QPushButton *>(object);
    case Picture: return qobject_cast<ClickableLabel *>(object);
    case Timer: return qobject_cast<QTimer *>(object);
    }
    return false;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsDesignedCaptionAndTooltip_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(designed)); ++i)
            QTest::newRow(designed[i].name) << i;
    }
    void everyControlHasItsDesignedCaptionAndTooltip()
    {
        QFETCH(int, index);
        const Designed &row = designed[index];
        WindowDriver d;
        QObject *control = d.window->findChild<QObject *>(row.name);
        QVERIFY2(control, row.name);
        QVERIFY(isKind(control, row.kind));
        if (auto *widget = qobject_cast<QWidget *>(control)) {
            QCOMPARE(d.text(row.name), QString::fromUtf8(row.caption));
            QCOMPARE(widget->toolTip(), QString::fromUtf8(row.tooltip));
        }
    }

    // Fixed size and font, Save unavailable and the status timer stopped until a command needs them.
    void windowIsFixedAndIdleAsDesigned()
    {
        WindowDriver d;
        QCOMPARE(d.window->minimumSize(), QSize(794, 341));
        QCOMPARE(d.window->maximumSize(), QSize(794, 341));
        for (QWidget *child : d.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(QRect(0, 0, 794, 341).contains(child->geometry()), qPrintable(child->objectName()));
            // The frame around the water data draws no text.
            QVERIFY2(child->font().family() == "Arial" || child->objectName() == "Label41", qPrintable(child->objectName()));
        }
        QVERIFY(!d.find<QPushButton>("Save")->isEnabled());
        QVERIFY(!d.window->findChild<QTimer *>("Timer1")->isActive());
        QCOMPARE(d.window->findChild<QTimer *>("Timer1")->interval(), 2000);
    }

    // The option handlers are held off while the configuration loads, so a
    // stored percentage discount survives the ticking of its own box.
    void startUpFillsTheWindowFromTheConfiguration()
    {
        WindowDriver d;
        d.folder.write("Data/Aquabill.ini", ProgramFolder::shippedConfiguration().replace("Disc1=1\r\nDisc1PT=1", "Disc1=6\r\nDisc1PT=2"));
        QVERIFY(d.start());
        QCOMPARE(d.window->windowTitle(), "Aquabill");
        QVERIFY(d.ticked("Disc1P"));
        QCOMPARE(d.text("Disc1"), "5.00");
    }

    void notesKeepAtMost75Characters()
    {
        WindowDriver d;
        QVERIFY(d.start());
        d.type("Notes", "Meter moved\n" + QString(80, 'x'));
        QCOMPARE(d.text("Notes"), "Meter moved\n" + QString(63, 'x'));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
