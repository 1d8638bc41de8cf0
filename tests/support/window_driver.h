#pragma once

#include "app/aquabill_main.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

// The real main window in a temporary program folder, driven as a user would:
// typing into boxes, clicking buttons and tick boxes. Message boxes are
// answered by the scripted platform and recorded in platform.shown.
class WindowDriver {
public:
    explicit WindowDriver(const QLocale &locale = QLocale(QLocale::English, QLocale::UnitedKingdom),
                          const QString &arguments = QString(), int folderParts = ProgramFolder::Everything);

    // Runs the load handler and shows the window; false when the program ended.
    bool start();

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    // Replaces a box's text by typing, so its change handlers run as for a user.
    void type(const QString &box, const QString &text);
    void click(const QString &control);
    QString text(const QString &box) const;
    // Each step is "Box=text", typed into a text box or setting a tick box to
    // 0 or 1, or the bare name of a control to click.
    void enter(const QStringList &steps);
    // "Box=value" for each box named; whatever follows an '=' in a name is
    // ignored, so a list of expectations names its own boxes. A tick box gives
    // 0 or 1, a button enabled or disabled, and a result in orange says so;
    // "?Box" gives the box's tooltip.
    QStringList state(const QStringList &boxes) const;
    // Every message box shown so far, as "title: text".
    QStringList messages() const;
    // The last message shown, or an empty one.
    ScriptedPlatform::Shown lastMessage() const;

    ProgramFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<AquabillMain> window;
};
