#include "app/clickable_label.h"
#include "app/controls.h"
#include "app/pictures.h"
#include "app/result_box.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

namespace {

enum class Kind { Label, TextBox, Notes, TickBox, Button, Picture };

// How a control looks; one style per role in the window.
enum class Look {
    Title,        // "Meterwise"
    Heading,      // group headings
    Caption,      // caption to the left of a box, right-aligned
    Unit,         // unit caption to the right of a box
    SmallCaption, // results-area captions and column headings
    ColumnHead,   // centred column headings of the results grid
    Status,
    Frame,
    Input,
    InputCentred,
    InputOrange,
    Result,
    NotesBox,
    Plain,        // buttons, tick boxes, pictures
};

struct ControlDesign {
    Kind kind;
    const char *name;
    const char *caption;
    const char *tooltip;
    int x, y, w, h;
    Look look;
};

const QString darkGreen = QStringLiteral("#006600");
const QString darkGrey = QStringLiteral("#333333");
const QString orange = QStringLiteral("#FF8000");

// Results grid: 13 columns after the row labels.
constexpr int gridLeft = 54;
constexpr int gridStep = 56;
constexpr int col(int n) { return gridLeft + (n - 1) * gridStep; }
constexpr int cellW = 54;
constexpr int headTop = 200, headLow = 214, actualRow = 232, predictRow = 256;

// Water Data rows.
constexpr int row(int n) { return 34 + n * 22; }

// Command row: nine equal buttons.
constexpr int cmdW = 82, cmdGap = 5;
constexpr int cmd(int n) { return 8 + n * (cmdW + cmdGap); }

const ControlDesign designs[] = {
    // Title band
    {Kind::Label, "Label26", "Meterwise", "", 8, 4, 130, 24, Look::Title},
    {Kind::Label, "Status", "", "", 230, 8, 330, 18, Look::Status},
    {Kind::Picture, "Logo", "", "", 660, 2, 128, 30, Look::Plain},
    {Kind::Button, "Update", "&Update", "Check the Tarnell web site for the latest version of Aquabill", 148, 32, 72, 22, Look::Plain},
    {Kind::Button, "Del_Last", "Re&m Last", "Delete last saved meter reading", 224, 32, 76, 22, Look::Plain},
    {Kind::Button, "Get_Last", "&Get Last", "Retrieve last saved meter reading", 224, 56, 76, 22, Look::Plain},
    {Kind::Button, "Graph", "Gra&ph", "Chart the saved meter readings", 148, 56, 72, 22, Look::Plain},

    // Meter Readings
    {Kind::Label, "Label10", "Meter Readings", "", 8, 34, 136, 20, Look::Heading},
    {Kind::Label, "Label7", "Date", "", 26, 79, 82, 16, Look::Caption},
    {Kind::Label, "Label6", "Meter", "", 110, 79, 64, 16, Look::Caption},
    {Kind::Label, "Label21", "Notes", "", 178, 79, 42, 16, Look::Caption},
    {Kind::Label, "Label13", "1:", "", 6, 98, 18, 18, Look::Caption},
    {Kind::TextBox, "Date1", "", "Meter Reading 1 date (must be more than 3 days earlier than Reading 2)", 26, 96, 82, 22, Look::InputCentred},
    {Kind::TextBox, "NRead1", "", "Meter Reading 1  (1 - 999900 and at least 2 less than Meter Reading 2)", 110, 96, 64, 22, Look::Input},
    {Kind::Label, "Label16", "2:", "", 6, 124, 18, 18, Look::Caption},
    {Kind::TextBox, "Date2", "", "Meter Reading 2 date (must be more than 3 days later than Reading 1)", 26, 122, 82, 22, Look::InputCentred},
    {Kind::TextBox, "NRead2", "", " Meter Reading 2 (3 - 999999 and at least 2 more than Normal Rate Reading 1)", 110, 122, 64, 22, Look::Input},
    {Kind::Notes, "Notes", "", "Notes relating to calculation (max 75 characters)", 178, 96, 122, 48, Look::NotesBox},

    // Water Data
    {Kind::Label, "Label41", "", "", 306, 30, 484, 142, Look::Frame},
    {Kind::Label, "Label3", "Water Data", "", 312, row(0), 120, 20, Look::Heading},
    {Kind::Label, "Label14", "Units:", "", 440, row(0) + 2, 40, 16, Look::Caption},
    {Kind::TickBox, "VolUnits1", "", "Tick to set units to gallons", 482, row(0) + 2, 16, 16, Look::Plain},
    {Kind::Label, "Label36", "Disc 1 %:", "", 500, row(0) + 2, 62, 16, Look::Caption},
    {Kind::TickBox, "Disc1P", "", "If ticked Discount 1 works in %", 564, row(0) + 2, 16, 16, Look::Plain},
    {Kind::Label, "Label35", "Fix Disc 2:", "", 582, row(0) + 2, 94, 16, Look::Caption},
    {Kind::TickBox, "Disc2F", "", "If ticked Discount 2 is fixed", 678, row(0) + 2, 16, 16, Look::Plain},
    {Kind::Label, "Label43", "Auto Save:", "", 700, row(0) + 2, 66, 16, Look::Caption},
    {Kind::TickBox, "AutoSave", "", "Save result to history and results files when Calculate clicked ( provided no errors occur)", 768, row(0) + 2, 16, 16, Look::Plain},

    {Kind::Label, "Label1", "Water Volume Charge:", "", 308, row(1) + 2, 146, 16, Look::Caption},
    {Kind::TextBox, "NormalR1", "", "Water Cost ( between 0.10 and 9.99)", 456, row(1), 56, 20, Look::Input},
    {Kind::Label, "WVChargeL", "/cum", "", 514, row(1) + 2, 60, 16, Look::Unit},
    {Kind::Label, "Label25", "Predict:", "", 574, row(1) + 2, 68, 16, Look::Caption},
    {Kind::TextBox, "PRate", "", "", 644, row(1), 26, 20, Look::InputCentred},
    {Kind::Label, "PRateH", "/ 6m", "", 672, row(1) + 2, 28, 16, Look::Unit},
    {Kind::Label, "Label44", "On Top:", "", 700, row(1) + 2, 66, 16, Look::Caption},
    {Kind::TickBox, "OnTop", "", "Set Aquabill to run on top", 768, row(1) + 2, 16, 16, Look::Plain},

    {Kind::Label, "Label2", "Water Fixed Charge:", "", 308, row(2) + 2, 146, 16, Look::Caption},
    {Kind::TextBox, "SCharge", "", "Water Fixed Charge ( 0 or between 2 and 99)", 456, row(2), 56, 20, Look::Input},
    {Kind::Label, "Label23", "Discount 1:", "", 574, row(2) + 2, 68, 16, Look::Caption},
    {Kind::TextBox, "Disc1", "", "", 644, row(2), 40, 20, Look::InputOrange},
    {Kind::Label, "Disc1L", "%", "", 686, row(2) + 2, 12, 16, Look::Unit},
    {Kind::Label, "Label8", "Monthly:", "", 698, row(2) + 2, 68, 16, Look::Caption},
    {Kind::TickBox, "Period", "", "If ticked sets Aquabill to work monthly rather than six monthly", 768, row(2) + 2, 16, 16, Look::Plain},

    {Kind::Label, "Label48", "Sewerage Vol Charge:", "", 308, row(3) + 2, 146, 16, Look::Caption},
    {Kind::TextBox, "NormalR2", "", "Sewerage Cost ( 0 or between 0.10 and 9.99)", 456, row(3), 56, 20, Look::Input},
    {Kind::Label, "SVChargeL", "/cum", "", 514, row(3) + 2, 60, 16, Look::Unit},
    {Kind::Label, "VATH", "VAT:", "", 574, row(3) + 2, 68, 16, Look::Caption},
    {Kind::TextBox, "VAT", "", "", 644, row(3), 40, 20, Look::Input},
    {Kind::Label, "Label45", "%", "", 686, row(3) + 2, 12, 16, Look::Unit},
    {Kind::Label, "Label32", "No History:", "", 698, row(3) + 2, 68, 16, Look::Caption},
    {Kind::TickBox, "NoHistory", "", "If ticked history log will not be updated when saving", 768, row(3) + 2, 16, 16, Look::Plain},

    {Kind::Label, "Label31", "Sewerage Fixed Charge:", "", 308, row(4) + 2, 146, 16, Look::Caption},
    {Kind::TextBox, "CheapR", "", "Sewerage Fixed Charge ( 0 or between 2 and 99)", 456, row(4), 56, 20, Look::Input},
    {Kind::Label, "Label34", "Discount 2:", "", 574, row(4) + 2, 68, 16, Look::Caption},
    {Kind::TextBox, "Disc2", "", "", 644, row(4), 40, 20, Look::InputOrange},
    {Kind::Button, "Reset_Defaults", "Reset &Data", "Reset Water Cost Data", 700, row(4), 86, 21, Look::Plain},

    {Kind::Label, "Label27", "Sewerage Vol Allow:", "", 308, row(5) + 2, 146, 16, Look::Caption},
    {Kind::TextBox, "BPoint", "", "Sewerage Volume Allowance (0 or between 10 and 100)", 456, row(5), 56, 20, Look::Input},
    {Kind::Label, "Label28", "%", "", 514, row(5) + 2, 16, 16, Look::Unit},
    {Kind::Button, "Save_Defaults", "Sa&ve Data", "Save Water Cost Data", 700, row(5), 86, 21, Look::Plain},

    // Results
    {Kind::Label, "Label11", "Results", "", 8, 150, 80, 20, Look::Heading},
    {Kind::Label, "UDayL", "Units/ Day:", "", 8, 176, 80, 16, Look::SmallCaption},
    {Kind::TextBox, "UDay", "", "Units of water used per day", 90, 174, 62, 20, Look::Result},
    {Kind::Label, "Label22", "Cost/ Day:", "", 160, 176, 70, 16, Look::SmallCaption},
    {Kind::TextBox, "CDay", "", "Cost per day", 232, 174, 68, 20, Look::Result},

    {Kind::Label, "Label9", "Water", "", col(2), headTop, 2 * gridStep - 2, 14, Look::ColumnHead},
    {Kind::Label, "Label20", "Sewerage", "", col(4), headTop, 2 * gridStep - 2, 14, Look::ColumnHead},
    {Kind::Label, "Label4", " Fixed Charges", "", col(6), headTop, 3 * gridStep - 2, 14, Look::ColumnHead},
    {Kind::Label, "THead", "Sub Total", "", col(9), headTop, cellW, 28, Look::ColumnHead},
    {Kind::Label, "DHead", "Discount 1", "", col(10), headTop, cellW, 28, Look::ColumnHead},
    {Kind::Label, "Label38", "Discount 2", "", col(12), headTop, cellW, 28, Look::ColumnHead},
    {Kind::Label, "TVHead", "Total Cost", "", col(13), headTop, cellW, 28, Look::ColumnHead},
    {Kind::Label, "Label24", "Days", "", col(1), headLow, cellW, 14, Look::ColumnHead},
    {Kind::Label, "Label17", "Units", "", col(2), headLow, cellW, 14, Look::ColumnHead},
    {Kind::Label, "Label15", "Cost", "", col(3), headLow, cellW, 14, Look::ColumnHead},
    {Kind::Label, "Label12", "Units", "", col(4), headLow, cellW, 14, Look::ColumnHead},
    {Kind::Label, "Label19", "Cost", "", col(5), headLow, cellW, 14, Look::ColumnHead},
    {Kind::Label, "Label18", " Water", "", col(6), headLow, cellW, 14, Look::ColumnHead},
    // Its leading blank makes this heading wider than a cell: it takes the
    // gaps on either side.
    {Kind::Label, "Label33", " Sewerage", "", col(7) - 2, headLow, cellW + 4, 14, Look::ColumnHead},
    {Kind::Label, "Label5", "Total", "", col(8), headLow, cellW, 14, Look::ColumnHead},
    {Kind::Label, "VCostL", "VAT", "", col(11), headLow, cellW, 14, Look::ColumnHead},

    {Kind::Label, "Label30", "Actual:", "", 2, actualRow + 3, 50, 16, Look::SmallCaption},
    {Kind::TextBox, "TDays", "", "Number of  days", col(1), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "R1Units", "", "Number Water Units used", col(2), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "NR1Cost", "", "Cost of Water Units used", col(3), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "R2Units", "", "Number Sewerage Units used", col(4), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "NR2Cost", "", "Cost of Sewerage Units used", col(5), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TSCharge", "", "Water Fixed Charge cost", col(6), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "CRCost", "", "Sewerage Fixed Charge cost", col(7), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TFCharge", "", "Total cost of Fixed Charges", col(8), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TCost", "", "", col(9), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "D1Cost", "", "", col(10), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "VCost", "", "", col(11), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "D2Cost", "", "", col(12), actualRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TVCost", "", "", col(13), actualRow, cellW, 20, Look::Result},

    {Kind::Label, "Label29", "Predict:", "", 2, predictRow + 3, 50, 16, Look::SmallCaption},
    {Kind::TextBox, "TDaysP", "", "Number of days in prediction period", col(1), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "R1UnitsP", "", "Number of Water Units predicted", col(2), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "NR1CostP", "", "Predicted cost of Water Units used", col(3), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "R2UnitsP", "", "Number of Sewerage Units predicted", col(4), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "NR2CostP", "", "Predicted cost of Sewerage Units used", col(5), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TSChargeP", "", "Predicted Water Fixed Charge cost", col(6), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "CRCostP", "", "Predicted Sewerage Fixed Charge cost", col(7), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TFChargeP", "", "Predicted total cost of Fixed Charges", col(8), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TCostP", "", "", col(9), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "D1CostP", "", "", col(10), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "VCostP", "", "", col(11), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "D2CostP", "", "", col(12), predictRow, cellW, 20, Look::Result},
    {Kind::TextBox, "TVCostP", "", "", col(13), predictRow, cellW, 20, Look::Result},

    // Command row
    {Kind::Button, "Help1", "&Help", "Aquabill Help", cmd(0), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "Archive", "&Archive", "Archive Aquabill results log file and create new one", cmd(1), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "About", "A&bout", "About Aquabill", cmd(2), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "ViewH", "His&tory", "View Aquabill history log file (It will not be updated while open)", cmd(3), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "ViewL", "&Results", "View Aquabill results log file (It will not be updated while open)", cmd(4), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "Clear", "C&lear", "Clear meter readings and results", cmd(5), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "Calc", "&Calculate", "Calculate results", cmd(6), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "Save", "&Save", "Save results  ( each result can only be saved once)", cmd(7), 306, cmdW, 28, Look::Plain},
    {Kind::Button, "Exit", "&Exit", "Close Aquabill", cmd(8), 306, cmdW, 28, Look::Plain},
};

constexpr double resultPointSize = 9;

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void dress(QWidget *w, Look look)
{
    switch (look) {
    case Look::Title:
        w->setFont(font(14.25));
        w->setStyleSheet("color: " + darkGrey);
        break;
    case Look::Heading:
        w->setFont(font(11.25, true));
        w->setStyleSheet("color: " + darkGrey);
        break;
    case Look::Caption:
        w->setFont(font(9.75));
        w->setStyleSheet("color: " + darkGreen);
        static_cast<QLabel *>(w)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Look::Unit:
        w->setFont(font(9.75));
        w->setStyleSheet("color: " + darkGreen);
        break;
    case Look::SmallCaption:
        w->setFont(font(9));
        w->setStyleSheet("color: " + darkGreen);
        static_cast<QLabel *>(w)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Look::ColumnHead: {
        auto *label = static_cast<QLabel *>(w);
        w->setFont(font(9));
        w->setStyleSheet("color: " + darkGreen);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setWordWrap(true);
        break;
    }
    case Look::Status:
        w->setFont(font(9.75, true));
        w->setStyleSheet("color: " + orange);
        static_cast<QLabel *>(w)->setAlignment(Qt::AlignCenter);
        break;
    case Look::Frame:
        w->setStyleSheet(QStringLiteral("border: 1px solid #808080;"));
        w->lower();
        break;
    case Look::Input:
    case Look::InputCentred:
    case Look::InputOrange: {
        auto *box = static_cast<QLineEdit *>(w);
        w->setFont(font(9.75));
        box->setAlignment(look == Look::InputCentred ? Qt::AlignCenter : Qt::AlignRight);
        w->setStyleSheet("color: " + (look == Look::InputOrange ? orange : darkGrey));
        break;
    }
    case Look::Result: {
        auto *box = static_cast<QLineEdit *>(w);
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        QPalette p = box->palette();
        p.setColor(QPalette::Base, box->palette().color(QPalette::Button));
        p.setColor(QPalette::Text, QColor(51, 51, 51));
        box->setPalette(p);
        break;
    }
    case Look::NotesBox:
        w->setFont(font(9));
        w->setStyleSheet("color: " + darkGrey);
        break;
    case Look::Plain:
        w->setFont(font(9));
        break;
    }
}

// Notes takes line breaks but never more than 75 characters, typed or pasted.
void limitNotes(QPlainTextEdit *notes)
{
    QObject::connect(notes, &QPlainTextEdit::textChanged, notes, [notes] {
        const QString text = notes->toPlainText();
        if (text.size() <= 75)
            return;
        QTextCursor cursor = notes->textCursor();
        const int position = std::min(cursor.position(), 75);
        notes->setPlainText(text.left(75));
        cursor = notes->textCursor();
        cursor.setPosition(position);
        notes->setTextCursor(cursor);
    });
}

QWidget *create(const ControlDesign &s, QWidget *window)
{
    QWidget *w = nullptr;
    const QString caption = QString::fromUtf8(s.caption);
    switch (s.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, window);
        label->setTextFormat(Qt::PlainText);
        w = label;
        break;
    }
    case Kind::TextBox:
        w = s.look == Look::Result ? new ResultBox(font(resultPointSize), window) : new QLineEdit(window);
        break;
    case Kind::Notes: {
        auto *notes = new QPlainTextEdit(window);
        notes->setTabChangesFocus(true);
        limitNotes(notes);
        w = notes;
        break;
    }
    case Kind::TickBox: w = new QCheckBox(window); break;
    case Kind::Button: w = new QPushButton(caption, window); break;
    case Kind::Picture: {
        auto *picture = new ClickableLabel(window);
        picture->setCursor(Qt::PointingHandCursor);
        w = picture;
        break;
    }
    }
    w->setObjectName(QString::fromLatin1(s.name));
    w->setToolTip(QString::fromUtf8(s.tooltip));
    w->setGeometry(s.x, s.y, s.w, s.h);
    dress(w, s.look);
    return w;
}

template <typename T>
T *find(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "buildControls", name);
    return widget;
}

}  // namespace

Controls buildControls(QWidget *window)
{
    for (const ControlDesign &s : designs)
        create(s, window);

    Controls c{};
#define BIND(type, name) c.name = find<type>(window, #name)
    BIND(QLabel, Status); BIND(ClickableLabel, Logo);
    BIND(QPushButton, Update); BIND(QPushButton, Del_Last); BIND(QPushButton, Get_Last); BIND(QPushButton, Graph);
    BIND(QLineEdit, Date1); BIND(QLineEdit, NRead1); BIND(QLineEdit, Date2); BIND(QLineEdit, NRead2);
    BIND(QPlainTextEdit, Notes);
    BIND(QLabel, WVChargeL); BIND(QLabel, SVChargeL); BIND(QLabel, PRateH); BIND(QLabel, Disc1L); BIND(QLabel, VATH);
    BIND(QCheckBox, VolUnits1); BIND(QCheckBox, Disc1P); BIND(QCheckBox, Disc2F); BIND(QCheckBox, AutoSave);
    BIND(QCheckBox, OnTop); BIND(QCheckBox, Period); BIND(QCheckBox, NoHistory);
    BIND(QLineEdit, NormalR1); BIND(QLineEdit, PRate); BIND(QLineEdit, SCharge); BIND(QLineEdit, Disc1);
    BIND(QLineEdit, NormalR2); BIND(QLineEdit, VAT); BIND(QLineEdit, CheapR); BIND(QLineEdit, Disc2);
    BIND(QLineEdit, BPoint);
    BIND(QPushButton, Reset_Defaults); BIND(QPushButton, Save_Defaults);
    BIND(QLabel, UDayL); BIND(QLabel, VCostL);
    BIND(QLineEdit, UDay); BIND(QLineEdit, CDay);
    BIND(QLineEdit, TDays); BIND(QLineEdit, R1Units); BIND(QLineEdit, NR1Cost); BIND(QLineEdit, R2Units);
    BIND(QLineEdit, NR2Cost); BIND(QLineEdit, TSCharge); BIND(QLineEdit, CRCost); BIND(QLineEdit, TFCharge);
    BIND(QLineEdit, TCost); BIND(QLineEdit, D1Cost); BIND(QLineEdit, VCost); BIND(QLineEdit, D2Cost);
    BIND(QLineEdit, TVCost);
    BIND(QLineEdit, TDaysP); BIND(QLineEdit, R1UnitsP); BIND(QLineEdit, NR1CostP); BIND(QLineEdit, R2UnitsP);
    BIND(QLineEdit, NR2CostP); BIND(QLineEdit, TSChargeP); BIND(QLineEdit, CRCostP); BIND(QLineEdit, TFChargeP);
    BIND(QLineEdit, TCostP); BIND(QLineEdit, D1CostP); BIND(QLineEdit, VCostP); BIND(QLineEdit, D2CostP);
    BIND(QLineEdit, TVCostP);
    BIND(QPushButton, Help1); BIND(QPushButton, Archive); BIND(QPushButton, About); BIND(QPushButton, ViewH);
    BIND(QPushButton, ViewL); BIND(QPushButton, Clear); BIND(QPushButton, Calc); BIND(QPushButton, Save);
    BIND(QPushButton, Exit);
#undef BIND

    c.Logo->setPixmap(renderPicture(QStringLiteral(":/pictures/logo.svg"), QSize(128, 30)));
    c.Save->setEnabled(false);

    c.Timer1 = new QTimer(window);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    c.Timer1->setInterval(2000);
    return c;
}
