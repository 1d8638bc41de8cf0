#include "platform/scripted_platform.h"

#include <QApplication>

using namespace platform;
using namespace Qt::StringLiterals;

namespace {

// Forgets the lock it stands for when it is released.
class RecordedLock : public FileLock {
public:
    RecordedLock(std::unique_ptr<FileLock> lock, QStringList &held, const QString &path)
        : m_lock(std::move(lock)), m_held(held), m_path(path)
    {
        m_held << m_path;
    }
    ~RecordedLock() override { m_held.removeOne(m_path); }

private:
    std::unique_ptr<FileLock> m_lock;
    QStringList &m_held;
    QString m_path;
};

}  // namespace

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

void ScriptedPlatform::record(const QString &kind, const QString &path)
{
    writes << kind + u' ' + path + u" ["_s + m_held.join(u", "_s) + u']';
}

std::unique_ptr<LineReader> ScriptedPlatform::openForReading(const QString &path)
{
    return m_unreadablePaths.contains(path) ? nullptr : QtPlatform::openForReading(path);
}

bool ScriptedPlatform::appendLine(const QString &path, const QString &text)
{
    record(u"append"_s, path);
    return !m_failingPaths.contains(path) && QtPlatform::appendLine(path, text);
}

bool ScriptedPlatform::replaceFile(const QString &path, const QString &content)
{
    record(u"replace"_s, path);
    return !m_failingPaths.contains(path) && QtPlatform::replaceFile(path, content);
}

bool ScriptedPlatform::keepStartOfFile(const QString &path, qint64 bytes)
{
    record(u"cut"_s, path);
    return !m_failingPaths.contains(path) && QtPlatform::keepStartOfFile(path, bytes);
}

bool ScriptedPlatform::copyFile(const QString &from, const QString &to)
{
    record(u"copy"_s, to);
    return !m_failingPaths.contains(to) && QtPlatform::copyFile(from, to);
}

std::unique_ptr<FileLock> ScriptedPlatform::lockFile(const QString &path)
{
    if (m_refusedLocks.contains(path))
        return nullptr;
    std::unique_ptr<FileLock> lock = QtPlatform::lockFile(path);
    if (!lock)
        return nullptr;
    return std::make_unique<RecordedLock>(std::move(lock), m_held, path);
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

void ScriptedPlatform::quit(int exitCode)
{
    quitCodes << exitCode;
    QApplication::closeAllWindows();
}
