#pragma once

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;
class ClickableLabel;

// The controls of the main window the program reads or changes. Their texts are
// the program's data: every tariff value, reading and result is the text of one
// of these boxes. Each widget's objectName is its name here; the captions that
// never change are not listed, but carry their names as well.
struct Controls {
    // Title band
    QLabel *Status;
    ClickableLabel *Logo;
    QPushButton *Update, *Del_Last, *Get_Last, *Graph;

    // Meter Readings
    QLineEdit *Date1, *NRead1, *Date2, *NRead2;
    QPlainTextEdit *Notes;

    // Water Data
    QLabel *WVChargeL, *SVChargeL, *PRateH, *Disc1L, *VATH;
    QCheckBox *VolUnits1, *Disc1P, *Disc2F, *AutoSave, *OnTop, *Period, *NoHistory;
    QLineEdit *NormalR1, *PRate, *SCharge, *Disc1, *NormalR2, *VAT, *CheapR, *Disc2, *BPoint;
    QPushButton *Reset_Defaults, *Save_Defaults;

    // Results
    QLabel *UDayL, *VCostL;
    QLineEdit *UDay, *CDay;
    QLineEdit *TDays, *R1Units, *NR1Cost, *R2Units, *NR2Cost, *TSCharge, *CRCost, *TFCharge, *TCost, *D1Cost, *VCost,
        *D2Cost, *TVCost;
    QLineEdit *TDaysP, *R1UnitsP, *NR1CostP, *R2UnitsP, *NR2CostP, *TSChargeP, *CRCostP, *TFChargeP, *TCostP,
        *D1CostP, *VCostP, *D2CostP, *TVCostP;

    // Command row
    QPushButton *Help1, *Archive, *About, *ViewH, *ViewL, *Clear, *Calc, *Save, *Exit;

    QTimer *Timer1;
};

// Builds every control on the window at its fixed place, with its caption,
// tooltip, font, colours and alignment.
Controls buildControls(QWidget *window);
