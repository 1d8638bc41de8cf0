#pragma once

#include "platform/qt_platform.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QSet>
#include <QStringList>
#include <deque>

// A platform for tests: real files in the working folder, but a fixed locale
// and clock, scripted answers to message boxes and a record of everything the
// program asked the desktop to do.
class ScriptedPlatform : public platform::QtPlatform {
public:
    struct Shown {
        QString text;
        QString title;
        platform::Buttons buttons;
        platform::Icon icon;
    };

    explicit ScriptedPlatform(const QLocale &locale = QLocale(QLocale::English, QLocale::UnitedKingdom));

    platform::Answer message(const QString &text, const QString &title, platform::Buttons buttons,
                             platform::Icon icon) override;
    QLocale locale() const override { return m_locale; }
    QDateTime now() const override { return m_now; }
    std::unique_ptr<platform::LineReader> openForReading(const QString &path) override;
    bool appendLine(const QString &path, const QString &text) override;
    bool replaceFile(const QString &path, const QString &content) override;
    bool keepStartOfFile(const QString &path, qint64 bytes) override;
    bool copyFile(const QString &from, const QString &to) override;
    // Real locks, so that copies of the program in other processes are kept
    // off; each lock taken is recorded while it is held.
    std::unique_ptr<platform::FileLock> lockFile(const QString &path) override;
    bool openUrl(const QString &url) override;
    bool openDocument(const QString &path) override;
    bool startViewer(const QString &path) override;
    QString saveFileName(const QString &title, const QString &suggestedName, const QString &filters) override;
    // Window tests never take the machine's real locks; several run at once.
    bool createNamedLock(const QString &) override { return true; }
    void placeOnTop(QWidget *, bool onTop) override { onTopCalls << onTop; }
    // Records the end and closes every window, as the desktop does when the
    // program ends; the event loops the tests run in are left running.
    void quit(int exitCode) override;

    void setNow(const QDateTime &now) { m_now = now; }
    // The next message boxes are answered with these, in order; unscripted
    // boxes get the first button's answer.
    void answerWith(std::initializer_list<platform::Answer> answers);
    // The next file dialogs are answered with these paths, in order; an
    // unscripted dialog is cancelled.
    void saveAs(std::initializer_list<QString> paths) { m_savePaths.insert(m_savePaths.end(), paths); }
    // Writes to this relative path fail from now on, as on a full disk.
    void failWritesTo(const QString &path) { m_failingPaths.insert(path); }
    // Opening this relative path for reading fails from now on, as when the
    // user may not read it.
    void failReadsOf(const QString &path) { m_unreadablePaths.insert(path); }
    // Locks on this relative path cannot be had from now on, as when another
    // copy holds it.
    void refuseLocksOn(const QString &path) { m_refusedLocks.insert(path); }
    // Desktop requests (web pages, documents, the viewer) fail from now on.
    void failDesktopRequests() { m_desktopFails = true; }

    QList<Shown> shown;
    QStringList urls, documents, viewed;
    // Each file dialog as "title: suggested name".
    QStringList saveDialogs;
    QList<bool> onTopCalls;
    QList<int> quitCodes;
    // Every write and cut, with the locks held while it was made:
    // "append Log/x.log [Log/x.log]".
    QStringList writes;

private:
    void record(const QString &kind, const QString &path);

    QLocale m_locale;
    QDateTime m_now;
    std::deque<platform::Answer> m_answers;
    std::deque<QString> m_savePaths;
    QSet<QString> m_failingPaths, m_unreadablePaths, m_refusedLocks;
    QStringList m_held;
    bool m_desktopFails = false;
};
