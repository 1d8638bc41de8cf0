#include "support/window_driver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

WindowDriver::WindowDriver(const QLocale &locale, const QString &arguments, int folderParts)
    : folder(folderParts), platform(locale), window(std::make_unique<AquabillMain>(platform, arguments))
{
}

bool WindowDriver::start() { return window->start(); }

// keyClicks takes printable characters only; a line break is the Return key.
static void typeInto(QWidget *widget, const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClicks(widget, lines.at(i));
    }
}

void WindowDriver::type(const QString &box, const QString &text)
{
    QWidget *widget = find(box);
    widget->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeInto(edit, text);
    } else if (auto *notes = qobject_cast<QPlainTextEdit *>(widget)) {
        notes->selectAll();
        QTest::keyClick(notes, Qt::Key_Delete);
        typeInto(notes, text);
    } else {
        qFatal("%s is not a text box", qPrintable(box));
    }
}

void WindowDriver::click(const QString &control)
{
    QWidget *widget = find(control);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QString WindowDriver::text(const QString &box) const
{
    QWidget *widget = find(box);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *notes = qobject_cast<QPlainTextEdit *>(widget))
        return notes->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    qFatal("%s has no text", qPrintable(box));
}

ScriptedPlatform::Shown WindowDriver::lastMessage() const
{
    return platform.shown.isEmpty() ? ScriptedPlatform::Shown{} : platform.shown.last();
}
