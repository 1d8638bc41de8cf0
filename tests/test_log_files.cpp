#include "support/window_driver.h"

#include "platform/qt_platform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The two logs: their creation with title blocks, the existence check, the
// appends and their failures, and opening a log in the viewer.
class TestLogFiles : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesBothLogs();
    void laterStartOnlyAppendsItsEntry();
    void failedCreationLeavesNoLog_data();
    void failedCreationLeavesNoLog();
    void failedAppendIsReported_data();
    void failedAppendIsReported();
    void viewerOpensTheLog_data();
    void viewerOpensTheLog();
    void viewerThatCannotStartIsReported();
    void missingLogFolderEndsTheProgram();
};

static const QByteArray resultsTitle = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n";
static const QByteArray startUpEntry = "Aquabill Started\r\nVersion 3.5\r\n05/12/2026 10:15:42\r\n\r\n";
static const QByteArray historyNew =
    "Aquabill History Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n\r\n"
    "Date       , Meter  , Water  , Water  , Sewage , Sewage , Sewage, VAT    Discount, Discount, Period\r\n"
    "           , Reading, Volume , Fixed  , Volume , Fixed  , Volume, Rate   1       , 2       ,       \r\n"
    "           ,        , Charge , Charge , Charge , Charge , Allow ,              \r\n"
    "-----------, -------, -------, -------, -------, -------, ------, -----, --------, --------, ------\r\n";

void TestLogFiles::firstStartCreatesBothLogs()
{
    WindowDriver d;
    QVERIFY(d.start());
    const QByteArray results = d.folder.read(u"Log/Aquabill.log"_s);
    QCOMPARE(results, resultsTitle + startUpEntry);
    QCOMPARE(results.count("\r\n"), 6 + 4);
    const QByteArray history = d.folder.read(u"Log/Aquabill_H.log"_s);
    QCOMPARE(history, historyNew);
    QCOMPARE(history.count("\r\n"), 11);
    for (int line : {7, 8, 10})
        QCOMPARE(history.split('\n').at(line).size(), 99 + 1);  // and its CR
}

void TestLogFiles::laterStartOnlyAppendsItsEntry()
{
    ProgramFolder folder;
    const QByteArray oddHistory = "not a history log\r\n";
    folder.write(u"Log/Aquabill.log"_s, "kept as it is\r\n");
    folder.write(u"Log/Aquabill_H.log"_s, oddHistory);
    {
        ScriptedPlatform platform;
        AquabillMain window(platform, QString());
        QVERIFY(window.start());
    }
    QCOMPARE(folder.read(u"Log/Aquabill.log"_s), "kept as it is\r\n" + startUpEntry);
    QCOMPARE(folder.read(u"Log/Aquabill_H.log"_s), oddHistory);
}

void TestLogFiles::failedCreationLeavesNoLog_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("created");
    QTest::newRow("results") << "Log/Aquabill.log" << "Log/Aquabill_H.log";
    QTest::newRow("history") << "Log/Aquabill_H.log" << "Log/Aquabill.log";
}

void TestLogFiles::failedCreationLeavesNoLog()
{
    QFETCH(QString, failing);
    QFETCH(QString, created);
    WindowDriver d;
    d.platform.failWritesTo(failing);
    QVERIFY(d.start());
    QVERIFY(!d.folder.exists(failing));
    QVERIFY(d.folder.exists(created));
    const auto creation = std::find_if(d.platform.shown.begin(), d.platform.shown.end(), [](const auto &shown) {
        return shown.title == u"Aquabill Log File Error"_s;
    });
    QVERIFY(creation != d.platform.shown.end());
    QCOMPARE(creation->text, u"Unable to create the log files.\r\nThis may be a permissions problem."_s);
    QCOMPARE(creation->icon, platform::Icon::Exclamation);
}

void TestLogFiles::failedAppendIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("results missing") << "results" << true << "Aquabill Results Log File Error"
                                     << "The results log file is either missing\r\nor corrupted. Delete the log file "
                                        "\r\nAquabill.log if it exists and restart\r\nthe program.";
    QTest::newRow("history missing") << "history" << true << "Aquabill History Log File Error"
                                     << "The history log file is either missing\r\nor corrupted. Delete the log file "
                                        "\r\nAquabill_H.log if it exists and restart\r\nthe program.";
    QTest::newRow("results refused") << "results" << false << "Aquabill Log File Error"
                                     << "Unable to write to the results log file Aquabill.log.\r\n"
                                        "This may be a permissions problem.";
    QTest::newRow("history refused") << "history" << false << "Aquabill Log File Error"
                                     << "Unable to write to the history log file Aquabill_H.log.\r\n"
                                        "This may be a permissions problem.";
}

void TestLogFiles::failedAppendIsReported()
{
    QFETCH(QString, kind);
    QFETCH(bool, missing);
    QFETCH(QString, title);
    QFETCH(QString, text);
    WindowDriver d;
    QVERIFY(d.start());
    const bool results = kind == u"results"_s;
    const QString path = results ? u"Log/Aquabill.log"_s : u"Log/Aquabill_H.log"_s;
    const QByteArray before = d.folder.read(path);
    if (missing)
        QVERIFY(QFile::remove(path));
    else
        d.platform.failWritesTo(path);  // as a read-only file would
    d.window->ResultsText = d.window->HistoryText = u"entry"_s;
    const qsizetype shownBefore = d.platform.shown.size();
    QVERIFY(!(results ? d.window->WriteResultsLog() : d.window->WriteHistoryLog()));
    QCOMPARE(d.platform.shown.size(), shownBefore + 1);
    QCOMPARE(d.lastMessage().title, title);
    QCOMPARE(d.lastMessage().text, text);
    QCOMPARE(d.lastMessage().icon, platform::Icon::Exclamation);
    QCOMPARE(d.folder.exists(path), !missing);
    if (!missing)
        QCOMPARE(d.folder.read(path), before);
}

void TestLogFiles::viewerOpensTheLog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("missingTitle");
    QTest::newRow("history") << "ViewH" << "Log/Aquabill_H.log" << "Aquabill History Log File Error";
    QTest::newRow("results") << "ViewL" << "Log/Aquabill.log" << "Aquabill Results Log File Error";
}

void TestLogFiles::viewerOpensTheLog()
{
    QFETCH(QString, button);
    QFETCH(QString, path);
    QFETCH(QString, missingTitle);
    WindowDriver d;
    QVERIFY(d.start());
    const qsizetype shownBefore = d.platform.shown.size();
    d.click(button);
    QCOMPARE(d.platform.viewed, QStringList{path});
    QCOMPARE(d.platform.shown.size(), shownBefore);

    // A log that has gone is reported and not handed to the viewer.
    QVERIFY(QFile::remove(path));
    d.click(button);
    QCOMPARE(d.platform.viewed.size(), 1);
    QCOMPARE(d.lastMessage().title, missingTitle);
}

void TestLogFiles::viewerThatCannotStartIsReported()
{
    WindowDriver d;
    QVERIFY(d.start());
    d.platform.failDesktopRequests();
    d.click(u"ViewL"_s);
    QCOMPARE(d.lastMessage().title, u"Aquabill Log File Error"_s);
    QCOMPARE(d.lastMessage().text, u"Unable to run Notepad\r\nCheck that it exists and\r\nis working properly."_s);

    // The desktop's own viewer reports a program that cannot be started.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", d.folder.path().toLocal8Bit());
    platform::QtPlatform desktop;
    const bool started = desktop.startViewer(u"Log/Aquabill.log"_s);
    qputenv("PATH", path);
    QVERIFY(!started);
}

void TestLogFiles::missingLogFolderEndsTheProgram()
{
    WindowDriver d(QLocale(QLocale::English, QLocale::UnitedKingdom), QString(),
                   ProgramFolder::Data | ProgramFolder::Help);
    QVERIFY(!d.start());
    QCOMPARE(d.lastMessage().title, u"Aquabill Log Directory Error"_s);
    QCOMPARE(d.lastMessage().icon, platform::Icon::Critical);
    QVERIFY(!d.folder.exists(u"Log"_s));
}

QTEST_MAIN(TestLogFiles)
#include "test_log_files.moc"
