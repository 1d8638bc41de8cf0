#include "support/program_folder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The processes holding the two named locks, as their lock files say; empty
// where there is none.
static QStringList lockHolders(const QTemporaryDir &runtime)
{
    QStringList holders;
    for (const char *name : {"Auqabill", "Aquabill"}) {
        QFile file(runtime.filePath(QLatin1String(name) + QLatin1String(".lock")));
        holders << (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).trimmed() : QString());
    }
    return holders;
}

// Real copies of the program, started side by side in one program folder,
// share the two named locks through the user's runtime folder.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterCopiesRunWithoutTheLocks()
    {
        QTemporaryDir runtime;  // made private to the user, as a runtime folder must be
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ProgramFolder folder;  // and the working folder the copies start in
        const QString program = qEnvironmentVariable("AQUABILL_BINARY");
        QProcess first, second, third;
        first.start(program);
        QVERIFY(first.waitForStarted());
        const QStringList heldByFirst(2, QString::number(first.processId()));
        QTRY_COMPARE_WITH_TIMEOUT(lockHolders(runtime), heldByFirst, 10000);

        second.start(program);
        QVERIFY(!second.waitForFinished(2000));
        QCOMPARE(lockHolders(runtime), heldByFirst);

        // A copy that died leaves stale locks behind; the next copy takes them over.
        first.kill();
        first.waitForFinished();
        third.start(program);
        QVERIFY(third.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolders(runtime), QStringList(2, QString::number(third.processId())), 10000);
        QCOMPARE(second.state(), QProcess::Running);
        for (QProcess *copy : {&second, &third}) {
            copy->kill();
            copy->waitForFinished();
        }
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
