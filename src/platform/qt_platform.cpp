#include "platform/qt_platform.h"

#include "platform/single_byte_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <vector>

namespace platform {

namespace {

class FileLineReader : public LineReader {
public:
    explicit FileLineReader(const QString &path) : m_file(path) {}
    bool open() { return m_file.open(QIODevice::ReadOnly); }
    bool atEnd() override { return m_file.atEnd(); }
    std::optional<QString> readLine() override
    {
        QByteArray line = m_file.readLine();
        if (line.isEmpty() && m_file.error() != QFileDevice::NoError)
            return std::nullopt;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        return decodeSingleByte(line);
    }

private:
    QFile m_file;
};

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Answer QtPlatform::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, toQt(buttons), QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
    }
    // Closing a box that has a Cancel button counts as Cancel; Qt reports it so.
    return Answer::Ok;
}

QLocale QtPlatform::locale() const { return QLocale(); }

QDateTime QtPlatform::now() const { return QDateTime::currentDateTime(); }

bool QtPlatform::folderExists(const QString &path) const { return QFileInfo(path).isDir(); }

bool QtPlatform::fileExists(const QString &path) const { return QFileInfo(path).isFile(); }

std::unique_ptr<LineReader> QtPlatform::openForReading(const QString &path)
{
    auto reader = std::make_unique<FileLineReader>(path);
    if (!reader->open())
        return nullptr;
    return reader;
}

bool QtPlatform::appendLine(const QString &path, const QString &text)
{
    if (!fileExists(path))
        return false;
    // Unbuffered, so that a refused write is reported here and not lost at close.
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = encodeSingleByte(text + QStringLiteral("\r\n"));
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool QtPlatform::replaceFile(const QString &path, const QString &content)
{
    // A buffered QSaveFile commits even when its buffered write failed, leaving
    // an empty file; unbuffered, every failure is seen before the commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = encodeSingleByte(content);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool QtPlatform::copyFile(const QString &from, const QString &to) { return QFile::copy(from, to); }

bool QtPlatform::openUrl(const QString &url) { return QDesktopServices::openUrl(QUrl(url)); }

bool QtPlatform::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

bool QtPlatform::startViewer(const QString &path)
{
    // Started directly, without a shell, so no file name is ever interpreted.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

QString namedLockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

bool QtPlatform::createNamedLock(const QString &name)
{
    // Held for the life of the process; the system frees it when the process
    // ends, and a lock left by a dead process is recognised as stale.
    static std::vector<std::unique_ptr<QLockFile>> held;
    auto lock = std::make_unique<QLockFile>(namedLockFolder() + QStringLiteral("/") + name + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        // Only a live holder counts as an earlier copy; a lock that cannot be
        // made at all lets the program start as a first copy.
        return lock->error() != QLockFile::LockFailedError;
    held.push_back(std::move(lock));
    return true;
}

void QtPlatform::placeOnTop(QWidget *window, bool onTop)
{
    if (window->testAttribute(Qt::WA_WState_Visible) == false) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        return;
    }
    const QPoint place = window->pos();
    const bool withoutActivating = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window->move(place);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, withoutActivating);
}

void QtPlatform::quit(int exitCode)
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(exitCode);
}

}  // namespace platform
