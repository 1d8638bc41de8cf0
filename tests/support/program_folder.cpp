#include "support/program_folder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

static QString resources() { return qEnvironmentVariable("AQUABILL_RESOURCES"); }

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

ProgramFolder::ProgramFolder(int parts) : m_previous(QDir::currentPath())
{
    QDir dir(m_dir.path());
    if (parts & Data) {
        dir.mkdir(QStringLiteral("Data"));
        write(QStringLiteral("Data/Aquabill.ini"), shippedConfiguration());
    }
    if (parts & Help) {
        dir.mkdir(QStringLiteral("Help"));
        write(QStringLiteral("Help/index.htm"), readFile(resources() + QStringLiteral("/Help/index.htm")));
    }
    if (parts & Log)
        dir.mkdir(QStringLiteral("Log"));
    QDir::setCurrent(m_dir.path());
}

ProgramFolder::~ProgramFolder() { QDir::setCurrent(m_previous); }

QByteArray ProgramFolder::read(const QString &relativePath) const
{
    return exists(relativePath) ? readFile(m_dir.filePath(relativePath)) : QByteArray();
}

void ProgramFolder::write(const QString &relativePath, const QByteArray &bytes) const
{
    QFile file(m_dir.filePath(relativePath));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(relativePath));
}

bool ProgramFolder::exists(const QString &relativePath) const
{
    return QFile::exists(m_dir.filePath(relativePath));
}

QByteArray ProgramFolder::shippedConfiguration()
{
    return readFile(resources() + QStringLiteral("/Data/Aquabill.ini"));
}
