// One copy of the program saving entries into the history log of the working
// folder, as fast as it can, for the test that runs two at once. Each entry's
// date column holds "<name>-<number>", which no date check reads as a date, so
// the copies never refuse each other's order. Once started it leaves the file
// "ready-<name>" and waits for "go", so that both copies save at the same
// moment however long each took to start. Prints every message the program
// showed and fails if there was any.
#include "platform/scripted_platform.h"

#include "app/aquabill_main.h"

#include <QApplication>
#include <QFile>
#include <QThread>
#include <QLineEdit>
#include <cstdio>

// A slow disk: the time between reading the log and writing to it is as long
// as it can be in real use, so that a step another copy could break into does
// get broken into.
class SlowDisk : public ScriptedPlatform {
public:
    bool appendLine(const QString &path, const QString &text) override
    {
        QThread::msleep(2);
        return ScriptedPlatform::appendLine(path, text);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: save_copy NAME ENTRIES\n");
        return 2;
    }
    const QString name = arguments.at(1);
    const int entries = arguments.at(2).toInt();

    SlowDisk desktop;
    AquabillMain window(desktop, QString());
    if (!window.start())
        return 1;
    QFile(QStringLiteral("ready-") + name).open(QIODevice::WriteOnly);
    while (!QFile::exists(QStringLiteral("go")))
        QThread::msleep(1);

    const Controls &c = window.controls();
    c.Date1->setText(name + QStringLiteral("-start"));
    c.NRead1->setText(QStringLiteral("0"));
    for (int i = 0; i < entries; ++i) {
        c.Date2->setText(name + u'-' + QString::number(i));
        c.NRead2->setText(QString::number(i));
        window.FormatResultsReport();
        window.FormatHistoryEntry();
        window.SaveCalculation();
    }
    for (const ScriptedPlatform::Shown &shown : desktop.shown)
        std::fprintf(stderr, "%s: %s\n", qPrintable(shown.title), qPrintable(shown.text));
    return desktop.shown.isEmpty() ? 0 : 1;
}
