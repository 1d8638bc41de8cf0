// The whole of Calculate and Save through the window, fed random readings,
// dates, tariff texts, notes and option boxes: the results report and the
// history entry are built from whatever the boxes hold.
#include "fuzz_input.h"

#include "app/aquabill_main.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The desktop without a desktop: every question answered with its first
// button, a fixed locale and clock.
class Unattended : public platform::QtPlatform {
public:
    platform::Answer message(const QString &, const QString &, platform::Buttons buttons, platform::Icon) override
    {
        return buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel ? platform::Answer::Yes
                                                                                             : platform::Answer::Ok;
    }
    QLocale locale() const override { return chosen; }
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(10, 15, 42)); }
    bool createNamedLock(const QString &) override { return true; }
    void placeOnTop(QWidget *, bool) override {}
    void quit(int) override {}
    QLocale chosen;
};

// A program folder made once; its logs start afresh for every input.
QString programFolder()
{
    static QTemporaryDir folder;
    static const bool made = [] {
        QDir dir(folder.path());
        const QString resources = QStringLiteral(AQUABILL_RESOURCES);
        return dir.mkdir(QStringLiteral("Data")) && dir.mkdir(QStringLiteral("Help")) && dir.mkdir(QStringLiteral("Log"))
               && QFile::copy(resources + QStringLiteral("/Data/Aquabill.ini"), dir.filePath(QStringLiteral("Data/Aquabill.ini")))
               && QFile::copy(resources + QStringLiteral("/Help/index.htm"), dir.filePath(QStringLiteral("Help/index.htm")));
    }();
    fuzz::require(made, "a program folder");
    return folder.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    static int argc = 1;
    static char name[] = "fuzz_calculation";
    static char *argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    (void)offscreen;
    // libFuzzer has read its corpus by absolute path, so the working folder is free.
    static const bool entered = QDir::setCurrent(programFolder());
    fuzz::require(entered, "the program folder is the working folder");
    QFile::remove(QStringLiteral("Log/Aquabill.log"));
    QFile::remove(QStringLiteral("Log/Aquabill_H.log"));

    Unattended desktop;
    desktop.chosen = fuzz::locale(data[0]);
    const std::uint8_t options = data[1];
    AquabillMain window(desktop, QString());
    if (!window.start())
        return 0;
    const Controls &c = window.controls();
    int bit = 0;
    for (QCheckBox *box : {c.Disc1P, c.Disc2F, c.Period, c.VolUnits1, c.NoHistory, c.AutoSave})
        AquabillMain::setValue(box, (options >> bit++) & 1);

    const QStringList texts = fuzz::text(data + 2, size - 2).split(QLatin1Char('\n'));
    QLineEdit *boxes[] = {c.Date1, c.NRead1, c.Date2, c.NRead2, c.NormalR1, c.SCharge, c.NormalR2,
                          c.CheapR, c.BPoint, c.VAT, c.Disc1, c.Disc2, c.PRate};
    int i = 0;
    for (QLineEdit *box : boxes) {
        if (i < texts.size())
            box->setText(texts.at(i));
        ++i;
    }
    if (i < texts.size())
        c.Notes->setPlainText(texts.mid(i).join(QLatin1Char('\n')));

    c.Calc->click();
    if (!window.hasEnded() && c.Save->isEnabled())
        c.Save->click();
    if (!window.hasEnded() && window.state().PendingMessage.isEmpty() && !window.state().HistoryText.isEmpty())
        fuzz::require(window.state().HistoryText.split(QStringLiteral("\r\n")).last().size() == 99,
                      "a history entry keeps its columns");
    return 0;
}
