#include "support/window_driver.h"

#include "app/clickable_label.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

// The window as designed: every control by name, with its kind, caption and
// tooltip before start-up changes any of them.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsDesignedCaptionAndTooltip_data();
    void everyControlHasItsDesignedCaptionAndTooltip();
    void resultBoxesAreReadOnlyAndInputsAreNot();
    void notesKeepAtMost75Characters();
    void windowHasAFixedInnerArea();
    void textIsArialOrAMetricCompatibleFont();
};

namespace {

enum class Kind { Label, TextBox, TickBox, Button, Picture, Timer };

struct Designed {
    const char *name;
    Kind kind;
    const char *caption;
    const char *tooltip;
};

const Designed designedControls[] = {
    {"Label26", Kind::Label, "Meterwise", ""},
    {"Status", Kind::Label, "", ""},
    {"Logo", Kind::Picture, "", ""},
    {"Update", Kind::Button, "&Update", "Check the Tarnell web site for the latest version of Aquabill"},
    {"Del_Last", Kind::Button, "Re&m Last", "Delete last saved meter reading"},
    {"Get_Last", Kind::Button, "&Get Last", "Retrieve last saved meter reading"},
    {"Label10", Kind::Label, "Meter Readings", ""},
    {"Label7", Kind::Label, "Date", ""},
    {"Label6", Kind::Label, "Meter", ""},
    {"Label21", Kind::Label, "Notes", ""},
    {"Label13", Kind::Label, "1:", ""},
    {"Date1", Kind::TextBox, "", "Meter Reading 1 date (must be more than 3 days earlier than Reading 2)"},
    {"NRead1", Kind::TextBox, "", "Meter Reading 1  (1 - 999900 and at least 2 less than Meter Reading 2)"},
    {"Label16", Kind::Label, "2:", ""},
    {"Date2", Kind::TextBox, "", "Meter Reading 2 date (must be more than 3 days later than Reading 1)"},
    {"NRead2", Kind::TextBox, "", " Meter Reading 2 (3 - 999999 and at least 2 more than Normal Rate Reading 1)"},
    {"Notes", Kind::TextBox, "", "Notes relating to calculation (max 75 characters)"},
    {"Label41", Kind::Label, "", ""},
    {"Label3", Kind::Label, "Water Data", ""},
    {"Label14", Kind::Label, "Units:", ""},
    {"VolUnits1", Kind::TickBox, "", "Tick to set units to gallons"},
    {"Label36", Kind::Label, "Disc 1 %:", ""},
    {"Disc1P", Kind::TickBox, "", "If ticked Discount 1 works in %"},
    {"Label35", Kind::Label, "Fix Disc 2:", ""},
    {"Disc2F", Kind::TickBox, "", "If ticked Discount 2 is fixed"},
    {"Label43", Kind::Label, "Auto Save:", ""},
    {"AutoSave", Kind::TickBox, "", "Save result to history and results files when Calculate clicked ( provided no errors occur)"},
    {"Label1", Kind::Label, "Water Volume Charge:", ""},
    {"NormalR1", Kind::TextBox, "", "Water Cost ( between 0.10 and 9.99)"},
    {"WVChargeL", Kind::Label, "/cum", ""},
    {"Label25", Kind::Label, "Predict:", ""},
    {"PRate", Kind::TextBox, "", ""},
    {"PRateH", Kind::Label, "/ 6m", ""},
    {"Label44", Kind::Label, "On Top:", ""},
    {"OnTop", Kind::TickBox, "", "Set Aquabill to run on top"},
    {"Label2", Kind::Label, "Water Fixed Charge:", ""},
    {"SCharge", Kind::TextBox, "", "Water Fixed Charge ( 0 or between 2 and 99)"},
    {"Label23", Kind::Label, "Discount 1:", ""},
    {"Disc1", Kind::TextBox, "", ""},
    {"Disc1L", Kind::Label, "%", ""},
    {"Label8", Kind::Label, "Monthly:", ""},
    {"Period", Kind::TickBox, "", "If ticked sets Aquabill to work monthly rather than six monthly"},
    {"Label48", Kind::Label, "Sewerage Vol Charge:", ""},
    {"NormalR2", Kind::TextBox, "", "Sewerage Cost ( 0 or between 0.10 and 9.99)"},
    {"SVChargeL", Kind::Label, "/cum", ""},
    {"VATH", Kind::Label, "VAT:", ""},
    {"VAT", Kind::TextBox, "", ""},
    {"Label45", Kind::Label, "%", ""},
    {"Label32", Kind::Label, "No History:", ""},
    {"NoHistory", Kind::TickBox, "", "If ticked history log will not be updated when saving"},
    {"Label31", Kind::Label, "Sewerage Fixed Charge:", ""},
    {"CheapR", Kind::TextBox, "", "Sewerage Fixed Charge ( 0 or between 2 and 99)"},
    {"Label34", Kind::Label, "Discount 2:", ""},
    {"Disc2", Kind::TextBox, "", ""},
    {"Reset_Defaults", Kind::Button, "Reset &Data", "Reset Water Cost Data"},
    {"Label27", Kind::Label, "Sewerage Vol Allow:", ""},
    {"BPoint", Kind::TextBox, "", "Sewerage Volume Allowance (0 or between 10 and 100)"},
    {"Label28", Kind::Label, "%", ""},
    {"Save_Defaults", Kind::Button, "Sa&ve Data", "Save Water Cost Data"},
    {"Label11", Kind::Label, "Results", ""},
    {"UDayL", Kind::Label, "Units/ Day:", ""},
    {"UDay", Kind::TextBox, "", "Units of water used per day"},
    {"Label22", Kind::Label, "Cost/ Day:", ""},
    {"CDay", Kind::TextBox, "", "Cost per day"},
    {"Label9", Kind::Label, "Water", ""},
    {"Label20", Kind::Label, "Sewerage", ""},
    {"Label4", Kind::Label, " Fixed Charges", ""},
    {"THead", Kind::Label, "Sub Total", ""},
    {"DHead", Kind::Label, "Discount 1", ""},
    {"Label38", Kind::Label, "Discount 2", ""},
    {"TVHead", Kind::Label, "Total Cost", ""},
    {"Label24", Kind::Label, "Days", ""},
    {"Label17", Kind::Label, "Units", ""},
    {"Label15", Kind::Label, "Cost", ""},
    {"Label12", Kind::Label, "Units", ""},
    {"Label19", Kind::Label, "Cost", ""},
    {"Label18", Kind::Label, " Water", ""},
    {"Label33", Kind::Label, " Sewerage", ""},
    {"Label5", Kind::Label, "Total", ""},
    {"VCostL", Kind::Label, "VAT", ""},
    {"Label30", Kind::Label, "Actual:", ""},
    {"TDays", Kind::TextBox, "", "Number of  days"},
    {"R1Units", Kind::TextBox, "", "Number Water Units used"},
    {"NR1Cost", Kind::TextBox, "", "Cost of Water Units used"},
    {"R2Units", Kind::TextBox, "", "Number Sewerage Units used"},
    {"NR2Cost", Kind::TextBox, "", "Cost of Sewerage Units used"},
    {"TSCharge", Kind::TextBox, "", "Water Fixed Charge cost"},
    {"CRCost", Kind::TextBox, "", "Sewerage Fixed Charge cost"},
    {"TFCharge", Kind::TextBox, "", "Total cost of Fixed Charges"},
    {"TCost", Kind::TextBox, "", ""},
    {"D1Cost", Kind::TextBox, "", ""},
    {"VCost", Kind::TextBox, "", ""},
    {"D2Cost", Kind::TextBox, "", ""},
    {"TVCost", Kind::TextBox, "", ""},
    {"Label29", Kind::Label, "Predict:", ""},
    {"TDaysP", Kind::TextBox, "", "Number of days in prediction period"},
    {"R1UnitsP", Kind::TextBox, "", "Number of Water Units predicted"},
    {"NR1CostP", Kind::TextBox, "", "Predicted cost of Water Units used"},
    {"R2UnitsP", Kind::TextBox, "", "Number of Sewerage Units predicted"},
    {"NR2CostP", Kind::TextBox, "", "Predicted cost of Sewerage Units used"},
    {"TSChargeP", Kind::TextBox, "", "Predicted Water Fixed Charge cost"},
    {"CRCostP", Kind::TextBox, "", "Predicted Sewerage Fixed Charge cost"},
    {"TFChargeP", Kind::TextBox, "", "Predicted total cost of Fixed Charges"},
    {"TCostP", Kind::TextBox, "", ""},
    {"D1CostP", Kind::TextBox, "", ""},
    {"VCostP", Kind::TextBox, "", ""},
    {"D2CostP", Kind::TextBox, "", ""},
    {"TVCostP", Kind::TextBox, "", ""},
    {"Help1", Kind::Button, "&Help", "Aquabill Help"},
    {"Archive", Kind::Button, "&Archive", "Archive Aquabill results log file and create new one"},
    {"About", Kind::Button, "A&bout", "About Aquabill"},
    {"ViewH", Kind::Button, "His&tory", "View Aquabill history log file (It will not be updated while open)"},
    {"ViewL", Kind::Button, "&Results", "View Aquabill results log file (It will not be updated while open)"},
    {"Clear", Kind::Button, "C&lear", "Clear meter readings and results"},
    {"Calc", Kind::Button, "&Calculate", "Calculate results"},
    {"Save", Kind::Button, "&Save", "Save results  ( each result can only be saved once)"},
    {"Exit", Kind::Button, "&Exit", "Close Aquabill"},
    {"Timer1", Kind::Timer, "", ""},
};

bool isKind(QObject *object, Kind kind)
{
    switch (kind) {
    case Kind::Label: return qobject_cast<QLabel *>(object) && !qobject_cast<ClickableLabel *>(object);
    case Kind::TextBox: return qobject_cast<QLineEdit *>(object) || qobject_cast<QPlainTextEdit *>(object);
    case Kind::TickBox: return qobject_cast<QCheckBox *>(object);
    case Kind::Button: return qobject_cast<QPushButton *>(object);
    case Kind::Picture: return qobject_cast<ClickableLabel *>(object);
    case Kind::Timer: return qobject_cast<QTimer *>(object);
    }
    return false;
}

QString captionOf(QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return edit->text();
    if (auto *notes = qobject_cast<QPlainTextEdit *>(object))
        return notes->toPlainText();
    return QString();
}

const QStringList resultBoxes = {
    QStringLiteral("UDay"), QStringLiteral("CDay"),
    QStringLiteral("TDays"), QStringLiteral("R1Units"), QStringLiteral("NR1Cost"), QStringLiteral("R2Units"),
    QStringLiteral("NR2Cost"), QStringLiteral("TSCharge"), QStringLiteral("CRCost"), QStringLiteral("TFCharge"),
    QStringLiteral("TCost"), QStringLiteral("D1Cost"), QStringLiteral("VCost"), QStringLiteral("D2Cost"),
    QStringLiteral("TVCost"), QStringLiteral("TDaysP"), QStringLiteral("R1UnitsP"), QStringLiteral("NR1CostP"),
    QStringLiteral("R2UnitsP"), QStringLiteral("NR2CostP"), QStringLiteral("TSChargeP"), QStringLiteral("CRCostP"),
    QStringLiteral("TFChargeP"), QStringLiteral("TCostP"), QStringLiteral("D1CostP"), QStringLiteral("VCostP"),
    QStringLiteral("D2CostP"), QStringLiteral("TVCostP"),
};

const QStringList inputBoxes = {
    QStringLiteral("Date1"), QStringLiteral("NRead1"), QStringLiteral("Date2"), QStringLiteral("NRead2"),
    QStringLiteral("NormalR1"), QStringLiteral("SCharge"), QStringLiteral("NormalR2"), QStringLiteral("CheapR"),
    QStringLiteral("BPoint"), QStringLiteral("PRate"), QStringLiteral("Disc1"), QStringLiteral("Disc2"),
    QStringLiteral("VAT"),
};

}  // namespace

void TestMainWindow::everyControlHasItsDesignedCaptionAndTooltip_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(designedControls)); ++i)
        QTest::newRow(designedControls[i].name) << i;
}

void TestMainWindow::everyControlHasItsDesignedCaptionAndTooltip()
{
    QFETCH(int, index);
    const Designed &designed = designedControls[index];
    ScriptedPlatform platform;
    AquabillMain window(platform, QString());

    QObject *control = window.findChild<QObject *>(QString::fromLatin1(designed.name));
    QVERIFY2(control, designed.name);
    QVERIFY(isKind(control, designed.kind));
    QCOMPARE(captionOf(control), QString::fromUtf8(designed.caption));
    if (auto *widget = qobject_cast<QWidget *>(control))
        QCOMPARE(widget->toolTip(), QString::fromUtf8(designed.tooltip));
}

void TestMainWindow::resultBoxesAreReadOnlyAndInputsAreNot()
{
    ScriptedPlatform platform;
    AquabillMain window(platform, QString());
    for (const QString &name : resultBoxes) {
        auto *box = window.findChild<QLineEdit *>(name);
        QVERIFY2(box && box->isReadOnly(), qPrintable(name));
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
    for (const QString &name : inputBoxes) {
        auto *box = window.findChild<QLineEdit *>(name);
        QVERIFY2(box && !box->isReadOnly(), qPrintable(name));
    }
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("Save"))->isEnabled());
    QVERIFY(!window.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(window.findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 2000);
}

void TestMainWindow::notesKeepAtMost75Characters()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.type(QStringLiteral("Notes"), QStringLiteral("Meter moved\n") + QString(80, QLatin1Char('x')));
    const QString notes = driver.text(QStringLiteral("Notes"));
    QCOMPARE(notes.size(), 75);
    QVERIFY(notes.startsWith(QStringLiteral("Meter moved\nxxx")));
}

void TestMainWindow::windowHasAFixedInnerArea()
{
    ScriptedPlatform platform;
    AquabillMain window(platform, QString());
    QCOMPARE(window.minimumSize(), QSize(794, 341));
    QCOMPARE(window.maximumSize(), QSize(794, 341));
    for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(QRect(0, 0, 794, 341).contains(child->geometry()), qPrintable(child->objectName()));
}

void TestMainWindow::textIsArialOrAMetricCompatibleFont()
{
    ScriptedPlatform platform;
    AquabillMain window(platform, QString());
    for (const char *name : {"Label26", "NRead1", "Calc", "Label1"}) {
        const QString family = QFontInfo(window.findChild<QWidget *>(QString::fromLatin1(name))->font()).family();
        QVERIFY2(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"), qPrintable(family));
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
