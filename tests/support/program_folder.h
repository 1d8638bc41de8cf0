#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder made from resources/ and made the working folder
// for as long as the object lives.
class ProgramFolder {
public:
    // Which parts of the folder to lay out.
    enum Part { Data = 1, Help = 2, Log = 4, Everything = Data | Help | Log };

    explicit ProgramFolder(int parts = Everything);
    ~ProgramFolder();

    QString path() const { return m_dir.path(); }
    // Empty when there is no such file.
    QByteArray read(const QString &relativePath) const;
    void write(const QString &relativePath, const QByteArray &bytes) const;
    bool exists(const QString &relativePath) const;

    // The configuration shipped with the program.
    static QByteArray shippedConfiguration();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
