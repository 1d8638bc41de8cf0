#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString results = u"Log/Aquabill.log"_s, history = u"Log/Aquabill_H.log"_s;
const QByteArray startUpEntry = "Aquabill Started\r\nVersion 3.5\r\n05/12/2026 10:15:42\r\n\r\n";
const QByteArray newResults = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n";
const QByteArray newHistory =
    "Aquabill History Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n\r\n"
    "Date       , Meter  , Water  , Water  , Sewage , Sewage , Sewage, VAT    Discount, Discount, Period\r\n"
    "           , Reading, Volume , Fixed  , Volume , Fixed  , Volume, Rate   1       , 2       ,       \r\n"
    "           ,        , Charge , Charge , Charge , Charge , Allow ,              \r\n"
    "-----------, -------, -------, -------, -------, -------, ------, -----, --------, --------, ------\r\n";
const QString unableToCreate = u"Unable to create the log files.\r\nThis may be a permissions problem."_s;

}  // namespace

// The two logs: their creation at start-up and opening a log in the viewer.
// What an append does when a log is missing or refused shows in the save.
class TestLogFiles : public QObject {
    Q_OBJECT

private slots:
    void startCreatesMissingLogsAndAppendsItsEntry_data()
    {
        QTest::addColumn<QByteArray>("found");  // in both logs; empty: no logs
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QByteArray>("resultsAfter");
        QTest::addColumn<QByteArray>("historyAfter");
        QTest::addColumn<QString>("firstMessage");
        QTest::newRow("empty folder") << QByteArray() << QString() << newResults + startUpEntry << newHistory << "";
        QTest::newRow("logs present, whatever they hold")
            << QByteArray("odd\r\n") << QString() << "odd\r\n" + startUpEntry << QByteArray("odd\r\n") << "";
        QTest::newRow("results cannot be created")
            << QByteArray() << results << QByteArray() << newHistory << unableToCreate;
        QTest::newRow("history cannot be created")
            << QByteArray() << history << newResults + startUpEntry << QByteArray() << unableToCreate;
    }

    void startCreatesMissingLogsAndAppendsItsEntry()
    {
        QFETCH(QByteArray, found);
        QFETCH(QString, failing);
        WindowDriver d;
        for (const QString &log : {results, history})
            if (!found.isEmpty())
                d.folder.write(log, found);
        d.platform.failWritesTo(failing);
        QVERIFY(d.start());
        QTEST(d.folder.read(results), "resultsAfter");
        QTEST(d.folder.read(history), "historyAfter");
        QTEST(d.platform.shown.value(0).text, "firstMessage");
    }

    // Each view button hands its log to the viewer, reports a viewer that
    // cannot start, and reports a log that has gone without starting one.
    void viewButtonOpensItsLog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("missingTitle");
        QTest::newRow("His&tory") << "ViewH" << history << "Aquabill History Log File Error";
        QTest::newRow("&Results") << "ViewL" << results << "Aquabill Results Log File Error";
    }

    void viewButtonOpensItsLog()
    {
        QFETCH(QString, button);
        QFETCH(QString, log);
        WindowDriver d;
        QVERIFY(d.start());
        d.click(button);
        QCOMPARE(d.platform.viewed, QStringList{log});
        QVERIFY(d.platform.shown.isEmpty());

        d.platform.failDesktopRequests();
        d.click(button);
        QCOMPARE(d.lastMessage().title, u"Aquabill Log File Error"_s);
        QCOMPARE(d.lastMessage().text, u"Unable to run Notepad\r\nCheck that it exists and\r\nis working properly."_s);

        QVERIFY(QFile::remove(log));
        d.click(button);
        QCOMPARE(d.platform.viewed.size(), 2);
        QTEST(d.lastMessage().title, "missingTitle");
    }

    void missingLogFolderEndsTheProgram()
    {
        WindowDriver d(QLocale(QLocale::English, QLocale::UnitedKingdom), QString(),
                       ProgramFolder::Data | ProgramFolder::Help);
        QVERIFY(!d.start());
        QCOMPARE(d.lastMessage().title, u"Aquabill Log Directory Error"_s);
    }
};

QTEST_MAIN(TestLogFiles)
#include "test_log_files.moc"
