#include "support/program_folder.h"

#include <QtTest>

// A copy of the program, ended with the test whatever its outcome.
struct Copy : QProcess { ~Copy() override { kill(); waitForFinished(); } };

// Real copies of the program share the two named locks through the user's runtime folder.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterCopiesRunWithoutTheLocks()
    {
        QTemporaryDir runtime;  // made private to the user, as a runtime folder must be
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ProgramFolder folder;  // and the working folder the copies start in
        // The process named in each of the two lock files; -1 where there is none.
        auto lockHolders = [&] {
            QList<qint64> holders{-1, -1};
            QLockFile(runtime.filePath(QStringLiteral("Auqabill.lock"))).getLockInfo(&holders[0], nullptr, nullptr);
            QLockFile(runtime.filePath(QStringLiteral("Aquabill.lock"))).getLockInfo(&holders[1], nullptr, nullptr);
            return holders;
        };
        auto heldBy = [](const QProcess &copy) { return QList<qint64>(2, copy.processId()); };
        const QString program = qEnvironmentVariable("AQUABILL_BINARY");
        Copy first, second, third;
        first.start(program);
        QTRY_COMPARE_WITH_TIMEOUT(lockHolders(), heldBy(first), 10000);
        second.start(program);
        QVERIFY(!second.waitForFinished(2000));
        QCOMPARE(lockHolders(), heldBy(first));

        // A copy that died leaves stale locks behind; the next copy takes them over.
        first.kill();
        first.waitForFinished();
        third.start(program);
        QTRY_COMPARE_WITH_TIMEOUT(lockHolders(), heldBy(third), 10000);
        QCOMPARE(second.state(), QProcess::Running);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
