#include "platform/qt_platform.h"

#include "platform/single_byte_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// Reads large blocks and finds line ends itself, so that passing over a line
// costs no allocation or conversion: a log of a million lines is read at close
// to the speed of the disk.
class FileLineReader : public LineReader {
public:
    explicit FileLineReader(const QString &path) : m_file(path) { m_buffer.resize(BlockSize); }
    bool open() { return m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    bool atEnd() override
    {
        if (m_start < m_end)
            return false;
        fill();
        // A failed read is not the end: the next read reports the failure.
        return m_start == m_end && !m_failed;
    }

    std::optional<QByteArrayView> readStoredLine() override
    {
        qsizetype scanned = 0;
        for (;;) {
            const char *data = m_buffer.constData();
            const void *found = std::memchr(data + m_start + scanned, '\n', m_end - m_start - scanned);
            if (found) {
                const qsizetype lineEnd = static_cast<const char *>(found) - data;
                return take(lineEnd, lineEnd + 1);
            }
            scanned = m_end - m_start;
            if (!fill()) {
                if (m_failed)
                    return std::nullopt;
                // The last line may lack its line end.
                return take(m_end, m_end);
            }
        }
    }

    std::optional<QString> readLine() override
    {
        const std::optional<QByteArrayView> stored = readStoredLine();
        if (!stored)
            return std::nullopt;
        return decodeSingleByte(QByteArray::fromRawData(stored->data(), stored->size()));
    }

    qint64 position() const override { return m_bufferStart + m_start; }

private:
    static constexpr qsizetype BlockSize = 256 * 1024;

    QByteArrayView take(qsizetype lineEnd, qsizetype next)
    {
        QByteArrayView line(m_buffer.constData() + m_start, lineEnd - m_start);
        if (line.endsWith('\r'))
            line.chop(1);
        m_start = next;
        return line;
    }

    // Moves the unread bytes to the front and reads more behind them; false at
    // the end of the file or when the read failed.
    bool fill()
    {
        if (m_eof || m_failed)
            return false;
        if (m_start > 0) {
            std::memmove(m_buffer.data(), m_buffer.constData() + m_start, m_end - m_start);
            m_bufferStart += m_start;
            m_end -= m_start;
            m_start = 0;
        }
        if (m_end == m_buffer.size())
            m_buffer.resize(m_buffer.size() * 2);  // a line longer than a block
        const qint64 got = m_file.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got < 0) {
            m_failed = true;
            return false;
        }
        if (got == 0) {
            m_eof = true;
            return false;
        }
        m_end += got;
        return true;
    }

    QFile m_file;
    QByteArray m_buffer;
    qint64 m_bufferStart = 0;  // where in the file the buffer's first byte is
    qsizetype m_start = 0, m_end = 0;
    bool m_eof = false, m_failed = false;
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
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 oldSize = file.size();
    // A last line without its line end (a hand edit) is ended first, or the
    // entry would be glued onto it and read back as part of it.
    QByteArray bytes;
    if (oldSize > 0) {
        char last = 0;
        if (!file.seek(oldSize - 1) || !file.getChar(&last))
            return false;
        if (last == '\r')
            bytes = "\n";
        else if (last != '\n')
            bytes = "\r\n";
    }
    bytes += encodeSingleByte(text + QStringLiteral("\r\n"));
    if (file.write(bytes) == bytes.size() && file.error() == QFileDevice::NoError) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    // A write cut short (a full disk, a size limit) must not leave the start
    // of an entry behind for the next reader to take as the last one.
    file.resize(oldSize);
    return false;
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

bool QtPlatform::keepStartOfFile(const QString &path, qint64 bytes)
{
    // Cut where the file lies, without rewriting the lines it keeps: the cut
    // is one step that happens whole or not at all, costs the same for any
    // size of log, and leaves the file's owner, permissions and links alone.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered) || file.size() < bytes)
        return false;
    return file.resize(bytes);
}

qint64 QtPlatform::fileSize(const QString &path) const
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}

bool QtPlatform::copyFile(const QString &from, const QString &to) { return QFile::copy(from, to); }

namespace {

class HeldFileLock : public FileLock {
public:
    explicit HeldFileLock(std::unique_ptr<QLockFile> lock) : m_lock(std::move(lock)) {}

private:
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace

std::unique_ptr<FileLock> QtPlatform::lockFile(const QString &path)
{
    // A lock file beside the file rather than a lock on it: the results log is
    // replaced whole by the archive, and a lock on the old file would let a
    // waiting copy write into the file that was just replaced.
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Stale only when its process has ended, however long a step takes.
    lock->setStaleLockTime(0);
    if (lock->tryLock(FileLockWait))
        return std::make_unique<HeldFileLock>(std::move(lock));
    // A folder where no lock can be made cannot be shared safely either, but
    // its files may still take an append, as they always could.
    if (lock->error() == QLockFile::PermissionError)
        return std::make_unique<FileLock>();
    return nullptr;
}

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

QString QtPlatform::saveFileName(const QString &title, const QString &suggestedName, const QString &filters)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggestedName, filters);
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
