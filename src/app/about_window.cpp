#include "app/about_window.h"

#include "app/aquabill_main.h"
#include "app/clickable_label.h"
#include "app/pictures.h"
#include "core/version.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

namespace {

QFont arial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

QLabel *centredLabel(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    return label;
}

}  // namespace

frmAbout::frmAbout(AquabillMain &main) : QDialog(&main), m_main(main)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(164, 312);
    m_picture = renderPicture(QStringLiteral(":/pictures/about.svg"), size());

    Label3 = centredLabel(this, "Label3", QString(), QRect(10, 92, 144, 124));
    Label3->setStyleSheet(QStringLiteral("background: white; border: 1px solid #9cc7e6;"));

    ProgName = centredLabel(this, "ProgName", QStringLiteral("Prog Name"), QRect(14, 100, 136, 30));
    ProgName->setFont(arial(15.75));
    ProgName->setStyleSheet(QStringLiteral("color: #333333;"));

    ProgVersion = centredLabel(this, "ProgVersion", QStringLiteral("Version"), QRect(14, 136, 136, 24));
    ProgVersion->setFont(arial(12));

    Website = new ClickableLabel(QUrl(SiteBase).host(), this);
    Website->setObjectName(QStringLiteral("Website"));
    Website->setAlignment(Qt::AlignCenter);
    Website->setGeometry(14, 176, 136, 22);
    QFont link = arial(9);
    link.setUnderline(true);
    Website->setFont(link);
    Website->setStyleSheet(QStringLiteral("color: #006600;"));
    Website->setCursor(Qt::PointingHandCursor);

    ExitAbout = new QPushButton(QStringLiteral("&Exit"), this);
    ExitAbout->setObjectName(QStringLiteral("ExitAbout"));
    ExitAbout->setToolTip(QStringLiteral("Close Aquabill About Screen"));
    ExitAbout->setGeometry(42, 268, 80, 26);

    connect(ExitAbout, &QPushButton::clicked, this, &frmAbout::ExitAbout_Click);
    connect(Website, &ClickableLabel::clicked, this, &frmAbout::Website_Click);

    Form_Load();
}

int frmAbout::run()
{
    // Placed before it is shown: changing a shown window's placement would hide
    // and re-show it, and hiding a modal window ends it.
    Form_Activate();
    return exec();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About Aquabill"));
    ProgName->setText(QStringLiteral("Aquabill"));
    ProgVersion->setText(version::text());
}

void frmAbout::Form_Activate()
{
    if (m_main.state().Stored.RunOnTop == 2)
        m_main.desktop().placeOnTop(this, true);
}

void frmAbout::ExitAbout_Click() { close(); }

void frmAbout::Website_Click() { m_main.OpenWebPage(QString()); }

void frmAbout::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    QDialog::paintEvent(event);
}
