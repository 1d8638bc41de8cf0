#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <memory>
#include <optional>

// Everything the desktop provides to the program goes through this one narrow
// interface, so the window's commands can be driven and observed in tests.
namespace platform {

enum class Icon { None, Critical, Exclamation };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A text file opened for reading, one line at a time, so that a log of any size
// is streamed rather than loaded. Lines come without their CR LF (a lone LF is
// accepted too).
class LineReader {
public:
    virtual ~LineReader() = default;
    virtual bool atEnd() = 0;
    // Empty optional when the read itself failed.
    virtual std::optional<QString> readLine() = 0;
    // The next line as the file stores it (single-byte text without its line
    // end), valid until the next read: counting the lines of a large log need
    // not convert every one. Empty optional when the read failed.
    virtual std::optional<QByteArrayView> readStoredLine() = 0;
    // Where in the file the next line starts, in bytes.
    virtual qint64 position() const = 0;
};

// Keeps the other copies of the program off a file until it is destroyed.
class FileLock {
public:
    virtual ~FileLock() = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;

    virtual QLocale locale() const = 0;
    virtual QDateTime now() const = 0;

    // Text files are single-byte Windows-1252 text with CR LF line ends; every
    // path is relative to the working folder.
    virtual bool folderExists(const QString &path) const = 0;
    virtual bool fileExists(const QString &path) const = 0;
    virtual std::unique_ptr<LineReader> openForReading(const QString &path) = 0;
    // Appends text and a CR LF to an existing file; false when the file is
    // missing or the write (flush and close included) failed.
    virtual bool appendLine(const QString &path, const QString &text) = 0;
    // Writes the whole file beside the old one and replaces it in one step: a
    // failure leaves any old file exactly as it was.
    virtual bool replaceFile(const QString &path, const QString &content) = 0;
    // Cuts the file to its first `bytes` bytes in one step, leaving them as
    // they are stored; false, with the file as it was, when the cut failed or
    // the file is shorter than that.
    virtual bool keepStartOfFile(const QString &path, qint64 bytes) = 0;
    // In bytes; -1 when there is no such file.
    virtual qint64 fileSize(const QString &path) const = 0;
    virtual bool copyFile(const QString &from, const QString &to) = 0;
    // Locks the file against the other copies of the program for one
    // read-then-write step, waiting a few seconds for a copy that holds it; a
    // lock left by a copy that has ended is taken over. Nothing when the lock
    // could not be had.
    virtual std::unique_ptr<FileLock> lockFile(const QString &path) = 0;

    // Hands a web address or a document to the desktop's default application.
    virtual bool openUrl(const QString &url) = 0;
    virtual bool openDocument(const QString &path) = 0;
    // Starts the plain-text viewer on a relative path; false when it did not start.
    virtual bool startViewer(const QString &path) = 0;

    // Asks where to save a file, starting from `suggestedName`; `filters` as
    // "PNG picture (*.png);;SVG picture (*.svg)". Empty when the user cancelled.
    virtual QString saveFileName(const QString &title, const QString &suggestedName, const QString &filters) = 0;

    // A named lock visible to the other processes of the same user. Returns
    // false when another live process holds the name already.
    virtual bool createNamedLock(const QString &name) = 0;

    // Leaves the event loop with the given code once the program has ended.
    virtual void quit(int exitCode) = 0;
};

}  // namespace platform
