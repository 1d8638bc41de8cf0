#include "support/scripted_platform.h"

using namespace platform;

ScriptedPlatform::ScriptedPlatform(const QLocale &locale)
    : m_locale(locale), m_now(QDate(2026, 12, 5), QTime(10, 15, 42))
{
}

Answer ScriptedPlatform::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    shown.append({text, title, buttons, icon});
    if (!m_answers.empty()) {
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

void ScriptedPlatform::answerWith(std::initializer_list<Answer> answers)
{
    m_answers.insert(m_answers.end(), answers);
}

bool ScriptedPlatform::appendLine(const QString &path, const QString &text)
{
    return !m_failingPaths.contains(path) && QtPlatform::appendLine(path, text);
}

bool ScriptedPlatform::replaceFile(const QString &path, const QString &content)
{
    return !m_failingPaths.contains(path) && QtPlatform::replaceFile(path, content);
}

bool ScriptedPlatform::keepStartOfFile(const QString &path, qint64 bytes)
{
    return !m_failingPaths.contains(path) && QtPlatform::keepStartOfFile(path, bytes);
}

bool ScriptedPlatform::copyFile(const QString &from, const QString &to)
{
    return !m_failingPaths.contains(to) && QtPlatform::copyFile(from, to);
}

bool ScriptedPlatform::openUrl(const QString &url)
{
    urls << url;
    return !m_desktopFails;
}

bool ScriptedPlatform::openDocument(const QString &path)
{
    documents << path;
    return !m_desktopFails;
}

bool ScriptedPlatform::startViewer(const QString &path)
{
    viewed << path;
    return !m_desktopFails;
}

QString ScriptedPlatform::saveFileName(const QString &title, const QString &suggestedName, const QString &)
{
    saveDialogs << title + QStringLiteral(": ") + suggestedName;
    if (m_savePaths.empty())
        return QString();
    const QString path = m_savePaths.front();
    m_savePaths.pop_front();
    return path;
}
