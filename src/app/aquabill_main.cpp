#include "app/aquabill_main.h"

#include "app/clickable_label.h"
#include "app/failures.h"
#include "app/pictures.h"
#include "core/version.h"
#include "calc/characters.h"
#include "calc/dates.h"
#include "core/messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

AquabillMain::AquabillMain(WindowPlatform &platform, const QString &arguments, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_arguments(arguments)
{
    setObjectName(QStringLiteral("AquabillMain"));
    setFixedSize(794, 341);
    setWindowIcon(QIcon(renderPicture(QStringLiteral(":/pictures/aquabill.svg"), QSize(64, 64))));
    c = buildControls(this);
    wireEvents();
}

bool AquabillMain::start()
{
    try {
        Form_Load();
    } catch (const ProgramEnd &end) {
        m_ended = true;
        m_exitCode = end.exitCode;
        return false;
    }
    show();
    handle([this] { Form_Activate(); });
    return !m_ended;
}

void AquabillMain::handle(const std::function<void()> &handler)
{
    if (m_ended)
        return;
    try {
        handler();
    } catch (const ProgramEnd &end) {
        m_ended = true;
        m_exitCode = end.exitCode;
        m_platform.quit(end.exitCode);
    }
}

void AquabillMain::wireEvents()
{
    auto click = [this](QPushButton *button, void (AquabillMain::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { handle([this, handler] { (this->*handler)(); }); });
    };
    click(c.Calc, &AquabillMain::Calc_Click);
    click(c.Save, &AquabillMain::Save_Click);
    click(c.Archive, &AquabillMain::Archive_Click);
    click(c.Get_Last, &AquabillMain::Get_Last_Click);
    click(c.Del_Last, &AquabillMain::Del_Last_Click);
    click(c.Graph, &AquabillMain::Graph_Click);
    click(c.ViewL, &AquabillMain::ViewL_Click);
    click(c.ViewH, &AquabillMain::ViewH_Click);
    click(c.Reset_Defaults, &AquabillMain::Reset_Defaults_Click);
    click(c.Save_Defaults, &AquabillMain::Save_Defaults_Click);
    click(c.Clear, &AquabillMain::Clear_Click);
    click(c.Exit, &AquabillMain::Exit_Click);
    click(c.Help1, &AquabillMain::Help1_Click);
    click(c.About, &AquabillMain::About_Click);
    click(c.Update, &AquabillMain::Update_Click);
    connect(c.Logo, &ClickableLabel::clicked, this, [this] { handle([this] { Logo_Click(); }); });

    // A tick box's handler runs on a click and whenever the program changes its
    // value; stateChanged fires only on a real change, as wanted.
    auto tick = [this](QCheckBox *box, void (AquabillMain::*handler)()) {
        connect(box, &QCheckBox::stateChanged, this, [this, handler] { handle([this, handler] { (this->*handler)(); }); });
    };
    tick(c.OnTop, &AquabillMain::OnTop_Click);
    tick(c.AutoSave, &AquabillMain::AutoSave_Click);
    tick(c.Period, &AquabillMain::Period_Click);
    tick(c.Disc1P, &AquabillMain::Disc1P_Click);
    tick(c.Disc2F, &AquabillMain::Disc2F_Click);
    tick(c.VolUnits1, &AquabillMain::VolUnits1_Click);

    connect(c.VAT, &QLineEdit::textChanged, this, [this] { handle([this] { VAT_Change(); }); });
    connect(c.Timer1, &QTimer::timeout, this, [this] { handle([this] { Timer1_Timer(); }); });
}

void AquabillMain::closeEvent(QCloseEvent *event)
{
    handle([this] { Exit_Click(); });
    event->accept();
}

void AquabillMain::EndProgram(int exitCode)
{
    throw ProgramEnd(exitCode);
}

void AquabillMain::CheckFolder(const QString &folderName)
{
    if (m_platform.folderExists(folderName + QStringLiteral("/")))
        return;
    m_platform.message(messages::missingFolder(folderName), messages::missingFolderTitle(folderName),
                       platform::Buttons::Ok, platform::Icon::Critical);
    EndProgram(1);
}

void AquabillMain::Form_Load()
{
    guarded(messages::loadingErrorTitle, [&] {
        StepCode = 151;
        CheckFolder(QStringLiteral("Data"));
        CheckFolder(QStringLiteral("Help"));
        setWindowTitle(QStringLiteral("Aquabill"));

        StepCode = 152;
        InhibitErrorCheck = m_arguments == QStringLiteral("-InhibitErrorCheck") ? 1 : 0;

        StepCode = 153;
        Loading = true;
        ApplyTaxName();
        LoadConfiguration();

        StepCode = 154;
        ResultsFileName = QStringLiteral("Aquabill.log");
        HistoryFileName = QStringLiteral("Aquabill_H.log");
        CreateLogFiles();

        StepCode = 155;
        const QDateTime now = m_platform.now();
        ResultsText = QStringLiteral("Aquabill Started\r\n") + version::text() + QStringLiteral("\r\n")
                      + dates::shortDateTime(now, locale()) + QStringLiteral("\r\n");
        WriteResultsLog();

        StepCode = 156;
        ClearReadings();
        ClearActualResults();
        ClearPredictedResults();
        ApplyModeCaptions();
        VolUnits1_Click();
        setValue(c.NoHistory, 0);
        Loading = false;
    });
}

void AquabillMain::PlaceOnTopWhenTicked()
{
    if (value(c.OnTop) == 1)
        m_platform.placeOnTop(this, true);
}

// Runs once, when the window first opens.
void AquabillMain::Form_Activate()
{
    PlaceOnTopWhenTicked();
    c.Save->setEnabled(false);
    Get_Last_Click();
}

int AquabillMain::value(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    case Qt::Unchecked: break;
    }
    return 0;
}

void AquabillMain::setValue(QCheckBox *box, int state)
{
    if (state == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false);
}

std::optional<QDate> AquabillMain::readDate(const QString &text) const
{
    return calcContext().readDate(text);
}

QString AquabillMain::symbolPrefix() const
{
    // A locale that writes its symbol after the amount ("1,00 €") gives a digit
    // here; putting it in front of an amount, or replacing a digit by it, would
    // change the amount, so such locales get no prefix at all.
    if (CurrencySymbol.isEmpty() || characters::startsWithDigit(CurrencySymbol))
        return QString();
    return CurrencySymbol;
}
