#include "support/window_driver.h"

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

// Saving a prepared calculation into the two logs, and archiving or clearing
// the results log.
class TestSaveArchive : public QObject {
    Q_OBJECT

private slots:
    void refusedWhileAMessageIsPending_data();
    void refusedWhileAMessageIsPending();
    void noHistoryAsksFirst_data();
    void noHistoryAsksFirst();
    void statusTellsWhatWasSaved_data();
    void statusTellsWhatWasSaved();
    void twoArchivesOnOneDay();
    void archiveOrClear_data();
    void archiveOrClear();
    void failedArchiveLeavesTheLogAsItWas_data();
    void failedArchiveLeavesTheLogAsItWas();
    void missingResultsLogIsNotArchived();
};

namespace {

const QString results = u"Log/Aquabill.log"_s;
const QString history = u"Log/Aquabill_H.log"_s;
const QByteArray report = "05/12/2026 10:15:42\r\n\r\n\r\nCost To Date (184 Days)\r\n"
                          "Water Units Cost            :   \xA3" "87.19\r\n\r\n";

// The window as a completed calculation without auto-save leaves it.
void prepare(WindowDriver &d, int noHistory = 0)
{
    AquabillMain::setValue(d.find<QCheckBox>(u"NoHistory"_s), noHistory);
    d.window->ResultsText = u"report"_s;
    d.window->HistoryText = u"entry"_s;
    d.window->PendingMessage.clear();
    d.find<QPushButton>(u"Save"_s)->setEnabled(true);
}

bool saveEnabled(const WindowDriver &d) { return d.find<QPushButton>(u"Save"_s)->isEnabled(); }

QStringList logFolder(const WindowDriver &d) { return QDir(d.folder.path() + u"/Log"_s).entryList(QDir::Files); }

}  // namespace

void TestSaveArchive::refusedWhileAMessageIsPending_data()
{
    QTest::addColumn<QString>("pending");
    QTest::addColumn<int>("noHistory");
    QTest::addColumn<QString>("text");
    const QString date2 = u"Meter Reading Date 2 must be later than the last Meter Reading date saved\n"_s;
    QTest::newRow("date 2") << date2 << 0 << date2 + u"No results or history data saved\n"_s;
    QTest::newRow("unchanged, no history") << u"The data has not changed since the last calculation\n"_s << 1
                                           << u"The data has not changed since the last calculation\n"
                                              "No results data saved\n"_s;
}

void TestSaveArchive::refusedWhileAMessageIsPending()
{
    QFETCH(QString, pending);
    QFETCH(int, noHistory);
    QFETCH(QString, text);
    WindowDriver d;
    QVERIFY(d.start());
    prepare(d, noHistory);
    d.window->PendingMessage = pending;
    d.find<QLabel>(u"Status"_s)->setText(u"before"_s);
    const QByteArray resultsBefore = d.folder.read(results), historyBefore = d.folder.read(history);
    for (int attempt = 0; attempt < 2; ++attempt) {
        d.click(u"Save"_s);
        QCOMPARE(d.lastMessage().text, text);
        QCOMPARE(d.lastMessage().title, u"Aquabill Save Data Error"_s);
        QCOMPARE(d.lastMessage().icon, platform::Icon::Exclamation);
    }
    QCOMPARE(d.window->PendingMessage, pending);
    QCOMPARE(d.folder.read(results), resultsBefore);
    QCOMPARE(d.folder.read(history), historyBefore);
    QVERIFY(saveEnabled(d));
    QCOMPARE(d.text(u"Status"_s), u"before"_s);
}

void TestSaveArchive::noHistoryAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("status");
    QTest::newRow("OK") << int(platform::Answer::Ok) << "Calculation Saved";
    QTest::newRow("Cancel") << int(platform::Answer::Cancel) << "No Calculation Saved";
}

void TestSaveArchive::noHistoryAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QString, status);
    WindowDriver d;
    QVERIFY(d.start());
    prepare(d, 1);
    const QByteArray resultsBefore = d.folder.read(results), historyBefore = d.folder.read(history);
    d.platform.answerWith({platform::Answer(answer)});
    d.click(u"Save"_s);
    QCOMPARE(d.lastMessage().title, u"Aquabill Save Data"_s);
    QCOMPARE(d.lastMessage().text, u"No history data will be saved\r\nTo save history results click\r\n"
                                    "Cancel, reset the No History \r\ncheck box and click Save again"_s);
    QCOMPARE(d.lastMessage().buttons, platform::Buttons::OkCancel);
    const bool saved = platform::Answer(answer) == platform::Answer::Ok;
    QCOMPARE(d.folder.read(results), saved ? resultsBefore + "report\r\n" : resultsBefore);
    QCOMPARE(d.folder.read(history), historyBefore);
    QCOMPARE(d.text(u"Status"_s), status);
    QCOMPARE(saveEnabled(d), !saved);
    QVERIFY(d.find<QTimer>(u"Timer1"_s)->isActive());
}

void TestSaveArchive::statusTellsWhatWasSaved_data()
{
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<bool>("resultsMissing");
    QTest::addColumn<int>("noHistory");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both written") << QStringList{} << false << 0 << "Calculation Saved" << false;
    QTest::newRow("results refused") << QStringList{results} << false << 0 << "History Saved, Results Not Saved" << false;
    QTest::newRow("results missing") << QStringList{} << true << 0 << "History Saved, Results Not Saved" << false;
    QTest::newRow("history refused") << QStringList{history} << false << 0 << "Results Saved, History Not Saved" << false;
    QTest::newRow("both refused") << QStringList{results, history} << false << 0 << "No Calculation Saved" << true;
    QTest::newRow("results refused, no history") << QStringList{results} << false << 1 << "No Calculation Saved" << true;
}

void TestSaveArchive::statusTellsWhatWasSaved()
{
    QFETCH(QStringList, failing);
    QFETCH(bool, resultsMissing);
    QFETCH(int, noHistory);
    QFETCH(QString, status);
    QFETCH(bool, enabled);
    WindowDriver d;
    QVERIFY(d.start());
    prepare(d, noHistory);
    for (const QString &path : failing)
        d.platform.failWritesTo(path);
    if (resultsMissing)
        QVERIFY(QFile::remove(results));
    const QByteArray historyBefore = d.folder.read(history);
    d.click(u"Save"_s);
    QCOMPARE(d.text(u"Status"_s), status);
    QCOMPARE(saveEnabled(d), enabled);
    const bool historyWritten = noHistory == 0 && !failing.contains(history);
    QCOMPARE(d.folder.read(history), historyWritten ? historyBefore + "entry\r\n" : historyBefore);

    // Save stays open only while a second try cannot write an entry twice.
    if (enabled) {
        const qsizetype shown = d.platform.shown.size();
        d.click(u"Save"_s);
        QVERIFY(d.platform.shown.size() > shown);
    }
}

void TestSaveArchive::twoArchivesOnOneDay()
{
    WindowDriver d;
    d.platform.setNow(QDateTime(QDate(2024, 9, 2), QTime(8, 5, 9)));
    QVERIFY(d.start());
    const QByteArray fresh = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n02/09/2024 08:05:09\r\n\r\n\r\n";
    for (const QString &archive : {u"Aquabill_240902_1.log"_s, u"Aquabill_240902_2.log"_s}) {
        QVERIFY(d.platform.appendLine(results, QString::fromLatin1(report)));
        const QByteArray before = d.folder.read(results);
        d.platform.answerWith({platform::Answer::Yes});
        d.click(u"Archive"_s);
        QCOMPARE(d.lastMessage().title, u"Archive Aquabill Results Log File"_s);
        QCOMPARE(d.lastMessage().buttons, platform::Buttons::YesNoCancel);
        QCOMPARE(d.folder.read(u"Log/"_s + archive), before);
        QCOMPARE(d.folder.read(results), fresh);
        QCOMPARE(d.text(u"Status"_s), u"Results Log File Archived"_s);
    }
    QCOMPARE(logFolder(d), (QStringList{u"Aquabill.log"_s, u"Aquabill_240902_1.log"_s, u"Aquabill_240902_2.log"_s,
                                        u"Aquabill_H.log"_s}));
}

void TestSaveArchive::archiveOrClear_data()
{
    QTest::addColumn<bool>("data");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("lastTitle");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("status");
    using A = platform::Answer;
    QTest::newRow("yes, no data") << false << QList<int>{int(A::Yes)} << "Aquabill Results Log File Error" << false << "";
    QTest::newRow("no, no data") << false << QList<int>{int(A::No)} << "Archive Aquabill Results Log File" << true
                                 << "Results Log File Cleared";
    QTest::newRow("no, data, sure") << true << QList<int>{int(A::No), int(A::Yes)} << "Aquabill Create New Log File"
                                    << true << "Results Log File Cleared";
    QTest::newRow("no, data, not sure") << true << QList<int>{int(A::No), int(A::No)} << "Aquabill Create New Log File"
                                        << false << "";
    QTest::newRow("cancel") << true << QList<int>{int(A::Cancel)} << "Archive Aquabill Results Log File" << false << "";
}

void TestSaveArchive::archiveOrClear()
{
    QFETCH(bool, data);
    QFETCH(QList<int>, answers);
    QFETCH(QString, lastTitle);
    QFETCH(bool, cleared);
    QFETCH(QString, status);
    WindowDriver d;
    QVERIFY(d.start());
    if (data)
        QVERIFY(d.platform.appendLine(results, QString::fromLatin1(report)));
    const QByteArray before = d.folder.read(results);
    for (int answer : answers)
        d.platform.answerWith({platform::Answer(answer)});
    d.find<QLabel>(u"Status"_s)->setText(u"before"_s);
    d.click(u"Archive"_s);
    QCOMPARE(d.lastMessage().title, lastTitle);
    if (lastTitle == u"Aquabill Results Log File Error")
        QCOMPARE(d.lastMessage().text, u"There is no data to archive!\r\nResults log file not archived."_s);
    if (lastTitle == u"Aquabill Create New Log File") {
        QCOMPARE(d.lastMessage().text, u"Are you sure you want to create a new results log file?"_s);
        QCOMPARE(d.lastMessage().icon, platform::Icon::None);
    }
    const QByteArray fresh = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n05/12/2026 10:15:42\r\n\r\n\r\n";
    QCOMPARE(d.folder.read(results), cleared ? fresh : before);
    QCOMPARE(d.text(u"Status"_s), status);
    QCOMPARE(logFolder(d), (QStringList{u"Aquabill.log"_s, u"Aquabill_H.log"_s}));
}

void TestSaveArchive::failedArchiveLeavesTheLogAsItWas_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("archived");
    QTest::newRow("copy refused") << "Log/Aquabill_261205_1.log" << int(platform::Answer::Yes) << false;
    QTest::newRow("new log refused after the copy") << "Log/Aquabill.log" << int(platform::Answer::Yes) << true;
    QTest::newRow("new log refused when clearing") << "Log/Aquabill.log" << int(platform::Answer::No) << false;
}

void TestSaveArchive::failedArchiveLeavesTheLogAsItWas()
{
    QFETCH(QString, failing);
    QFETCH(int, answer);
    QFETCH(bool, archived);
    WindowDriver d;
    QVERIFY(d.start());
    QVERIFY(d.platform.appendLine(results, QString::fromLatin1(report)));
    const QByteArray before = d.folder.read(results);
    d.platform.failWritesTo(failing);
    d.platform.answerWith({platform::Answer(answer), platform::Answer::Yes});
    d.click(u"Archive"_s);
    QCOMPARE(d.lastMessage().title, u"Aquabill Results Log File Error"_s);
    QCOMPARE(d.lastMessage().text,
             u"Unable to archive the results log file Aquabill.log.\r\nThis may be a permissions problem."_s);
    QCOMPARE(d.folder.read(results), before);
    QCOMPARE(d.folder.exists(u"Log/Aquabill_261205_1.log"_s), archived);
    QVERIFY(d.text(u"Status"_s).isEmpty());
}

void TestSaveArchive::missingResultsLogIsNotArchived()
{
    WindowDriver d;
    QVERIFY(d.start());
    QVERIFY(QFile::remove(results));
    const qsizetype shown = d.platform.shown.size();
    d.click(u"Archive"_s);
    QCOMPARE(d.platform.shown.size(), shown + 1);
    QCOMPARE(d.lastMessage().title, u"Aquabill Results Log File Error"_s);
    QCOMPARE(d.lastMessage().text, u"The results log file is either missing\r\nor corrupted. Delete the log file if\r\n"
                                    "it exists and restart the program."_s);
    QVERIFY(!d.folder.exists(results));
}

QTEST_MAIN(TestSaveArchive)
#include "test_save_archive.moc"
