#include "support/window_driver.h"

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
    if (!qobject_cast<QLineEdit *>(widget) && !qobject_cast<QPlainTextEdit *>(widget))
        qFatal("%s is not a text box", qPrintable(box));
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    typeInto(widget, text);
}

void WindowDriver::click(const QString &control)
{
    QWidget *widget = find(control);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QString WindowDriver::text(const QString &box) const
{
    QWidget *widget = find(box);
    if (auto *notes = qobject_cast<QPlainTextEdit *>(widget))
        return notes->toPlainText();
    const QVariant text = widget->property("text");  // boxes, labels and buttons alike
    if (!text.isValid())
        qFatal("%s has no text", qPrintable(box));
    return text.toString();
}

void WindowDriver::enter(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        if (step == name)
            click(name);
        else if (auto *tick = window->findChild<QCheckBox *>(name)) {
            if (tick->isChecked() != step.endsWith(QLatin1String("=1")))
                click(name);
        } else
            type(name, step.section(QLatin1Char('='), 1));
    }
}

QStringList WindowDriver::state(const QStringList &boxes) const
{
    static const QColor orange(255, 128, 0);
    QStringList state;
    for (const QString &item : boxes) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        QString value;
        if (name.startsWith(QLatin1Char('?')))
            value = find(name.mid(1))->toolTip();
        else if (auto *tick = window->findChild<QCheckBox *>(name))
            value = QString::number(tick->isChecked());
        else if (auto *button = window->findChild<QPushButton *>(name))
            value = QLatin1String(button->isEnabled() ? "enabled" : "disabled");
        else
            value = text(name);
        auto *edit = window->findChild<QLineEdit *>(name);
        if (edit && edit->isReadOnly() && edit->palette().color(QPalette::Text) == orange)
            value += QLatin1String(" in orange");
        state << name + QLatin1Char('=') + value;
    }
    return state;
}

QStringList WindowDriver::messages() const
{
    QStringList messages;
    for (const ScriptedPlatform::Shown &message : platform.shown)
        messages << message.title + QLatin1String(": ") + message.text;
    return messages;
}

ScriptedPlatform::Shown WindowDriver::lastMessage() const
{
    return platform.shown.isEmpty() ? ScriptedPlatform::Shown{} : platform.shown.last();
}
