#include "support/program_folder.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Real copies of the program, started side by side in one program folder,
// share the two named locks through the user's runtime folder.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void laterCopiesRunWithoutTheLocks();

private:
    std::unique_ptr<QProcess> startCopy();
    QString lockHolder(const QString &name) const;

    QTemporaryDir m_runtime;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_folder = std::make_unique<ProgramFolder>();
}

std::unique_ptr<QProcess> TestSingleInstance::startCopy()
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(m_folder->path());
    process->start(qEnvironmentVariable("AQUABILL_BINARY"), QStringList());
    if (!process->waitForStarted())
        qFatal("the program did not start");
    return process;
}

// The process that holds a lock, as written in its lock file; empty when none.
QString TestSingleInstance::lockHolder(const QString &name) const
{
    QFile file(m_runtime.filePath(name + QStringLiteral(".lock")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readLine()).trimmed();
}

void TestSingleInstance::laterCopiesRunWithoutTheLocks()
{
    auto first = startCopy();
    const QString firstPid = QString::number(first->processId());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(QStringLiteral("Auqabill")), firstPid, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(QStringLiteral("Aquabill")), firstPid, 10000);

    auto second = startCopy();
    QVERIFY(!second->waitForFinished(2000));
    QCOMPARE(second->state(), QProcess::Running);
    QCOMPARE(lockHolder(QStringLiteral("Auqabill")), firstPid);
    QCOMPARE(lockHolder(QStringLiteral("Aquabill")), firstPid);

    // A copy that died leaves stale locks behind; the next copy takes them over.
    first->kill();
    first->waitForFinished();
    auto third = startCopy();
    const QString thirdPid = QString::number(third->processId());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(QStringLiteral("Auqabill")), thirdPid, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(QStringLiteral("Aquabill")), thirdPid, 10000);
    QCOMPARE(second->state(), QProcess::Running);

    for (QProcess *process : {second.get(), third.get()}) {
        process->kill();
        process->waitForFinished();
    }
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
