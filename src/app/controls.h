#pragma once

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;
class ClickableLabel;

// The controls of the main window. Their texts are the program's data: every
// tariff value, reading and result is the text of one of these boxes. Each
// widget's objectName is its name here.
struct Controls {
    // Title band
    QLabel *Label26, *Status;
    ClickableLabel *Logo;
    QPushButton *Update, *Del_Last, *Get_Last, *Graph;

    // Meter Readings
    QLabel *Label10, *Label7, *Label6, *Label21, *Label13, *Label16;
    QLineEdit *Date1, *NRead1, *Date2, *NRead2;
    QPlainTextEdit *Notes;

    // Water Data
    QLabel *Label41, *Label3, *Label14, *Label36, *Label35, *Label43, *Label1, *WVChargeL, *Label25, *PRateH,
        *Label44, *Label2, *Label23, *Disc1L, *Label8, *Label48, *SVChargeL, *VATH, *Label45, *Label32, *Label31,
        *Label34, *Label27, *Label28;
    QCheckBox *VolUnits1, *Disc1P, *Disc2F, *AutoSave, *OnTop, *Period, *NoHistory;
    QLineEdit *NormalR1, *PRate, *SCharge, *Disc1, *NormalR2, *VAT, *CheapR, *Disc2, *BPoint;
    QPushButton *Reset_Defaults, *Save_Defaults;

    // Results
    QLabel *Label11, *UDayL, *Label22, *Label9, *Label20, *Label4, *THead, *DHead, *Label38, *TVHead, *Label24,
        *Label17, *Label15, *Label12, *Label19, *Label18, *Label33, *Label5, *VCostL, *Label30, *Label29;
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
