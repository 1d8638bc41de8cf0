#pragma once

#include "app/window_platform.h"

namespace platform {

// The desktop as Qt provides it.
class QtPlatform : public WindowPlatform {
public:
    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    QLocale locale() const override;
    QDateTime now() const override;
    bool folderExists(const QString &path) const override;
    bool fileExists(const QString &path) const override;
    std::unique_ptr<LineReader> openForReading(const QString &path) override;
    bool appendLine(const QString &path, const QString &text) override;
    bool replaceFile(const QString &path, const QString &content) override;
    bool keepStartOfFile(const QString &path, qint64 bytes) override;
    qint64 fileSize(const QString &path) const override;
    bool copyFile(const QString &from, const QString &to) override;
    std::unique_ptr<FileLock> lockFile(const QString &path) override;
    bool openUrl(const QString &url) override;
    bool openDocument(const QString &path) override;
    bool startViewer(const QString &path) override;
    QString saveFileName(const QString &title, const QString &suggestedName, const QString &filters) override;
    bool createNamedLock(const QString &name) override;
    void placeOnTop(QWidget *window, bool onTop) override;
    void quit(int exitCode) override;
};

// How long a lock held by another copy is waited for, in milliseconds.
constexpr int FileLockWait = 4000;

// The folder in which named locks live: the user's runtime folder.
QString namedLockFolder();

}  // namespace platform
