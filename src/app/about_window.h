#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class AquabillMain;
class ClickableLabel;
class QLabel;
class QPushButton;

// The maker's web site; the program adds relative paths to it.
inline const QString SiteBase = QStringLiteral("https://www.tarnell.example/");

// The About window: the program's name, its version and the maker's address over
// a picture. Made anew for every showing and shown modally over the main window.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(AquabillMain &main);

    // Activates the window and keeps it until the user closes it.
    int run();

    void Form_Load();
    void Form_Activate();
    void ExitAbout_Click();
    void Website_Click();

    QLabel *ProgName, *ProgVersion, *Label3;
    ClickableLabel *Website;
    QPushButton *ExitAbout;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    AquabillMain &m_main;
    QPixmap m_picture;
};
