#include "platform/scripted_platform.h"
#include "records/saved_entry.h"
#include "support/history_log.h"
#include "support/program_folder.h"

#include <QtTest>

using namespace Qt::StringLiterals;
namespace history = records::history;

namespace {

const QByteArray ninthOfJanuary = " 09/01/2020,  1000.0\r\n";
const QByteArray tenthOfJanuary = " 10/01/2020,  1234.5\r\n";

// A log of so many lines, its entries all dated 9 January 2020, and the
// heading block opening each page after the first.
QByteArray logOf(int lines)
{
    QByteArray log = historylog::newLog;
    for (int line = 12; line <= lines; ++line)
        log += line >= 50 && (line - 50) % 40 < 5 ? QByteArray("heading\r\n") : ninthOfJanuary;
    return log;
}

}  // namespace

// The last dated entry of the history log: found past whatever follows it,
// read back, checked against and removed.
class TestLastEntry : public QObject {
    Q_OBJECT
    ProgramFolder folder{ProgramFolder::Log};
    ScriptedPlatform desktop;  // en_GB, as the dates below

private slots:
    void lastEntry_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("restored");       // its date and reading; empty: none to restore
        QTest::addColumn<bool>("takesTenthOfJanuary");  // as the date of the next reading
        QTest::addColumn<QByteArray>("afterRemoval");
        QTest::newRow("new log") << historylog::newLog << u""_s << true << historylog::newLog;
        QTest::newRow("blank line after") << logOf(20) + tenthOfJanuary + "\r\n" << u"2020-01-10 1234.5"_s << false
                                          << logOf(20) + "\r\n";
        QTest::newRow("junk line after") << logOf(20) + tenthOfJanuary + "edited by hand\r\n" << u"2020-01-10 1234.5"_s
                                         << false << logOf(20) + "edited by hand\r\n";
        QTest::newRow("junk starting with digits after") << logOf(20) + tenthOfJanuary + "2 junk\r\n\r\n"
                                                         << u"2020-01-10 1234.5"_s << false << logOf(20) + "2 junk\r\n\r\n";
        // Its date still counts for the next reading.
        QTest::newRow("reading below 1") << historylog::newLog + " 11/01/2020,     0.5\r\n" << u""_s << false
                                         << historylog::newLog;
        // Read whole past its column.
        QTest::newRow("six-figure reading") << logOf(20) + " 10/01/2020, 123456.7, \xA3" "1.5432\r\n"
                                            << u"2020-01-10 123456.7"_s << false << logOf(20);
        QTest::newRow("first page") << logOf(40) << u"2020-01-09 1000.0"_s << true << logOf(39);
        QTest::newRow("first entry of a page, under its headings") << logOf(55) << u"2020-01-09 1000.0"_s << true
                                                                   << logOf(49);
        QTest::newRow("second entry of a page") << logOf(56) << u"2020-01-09 1000.0"_s << true << logOf(55);
        QTest::newRow("first entry of the third page") << logOf(95) << u"2020-01-09 1000.0"_s << true << logOf(89);
    }

    void lastEntry()
    {
        QFETCH(QByteArray, log);
        QFETCH(QString, restored);
        QFETCH(bool, takesTenthOfJanuary);
        QFETCH(QByteArray, afterRemoval);
        const QString fileName = u"Aquabill_H.log"_s;
        folder.write(historylog::path, log);
        const calc::Context context{QLocale(u"en_GB"_s), 2026};
        const history::SavedEntry saved = history::lastSavedEntry(desktop, fileName).value();
        QCOMPARE(saved.holdsReading(), log != historylog::newLog);

        const std::optional<history::SavedReading> reading = history::savedReading(saved.entry, context);
        QCOMPARE(reading ? reading->date.toString(Qt::ISODate) + u' ' + reading->reading : QString(), restored);
        QCOMPARE(history::followsSavedEntry(u"10/01/2020"_s, saved.entry, context), takesTenthOfJanuary);
        QVERIFY(history::followsSavedEntry(u"12/01/2020"_s, saved.entry, context));  // after every entry

        if (saved.holdsReading())
            QVERIFY(history::removeSavedEntry(desktop, fileName, saved));
        QCOMPARE(folder.read(historylog::path), afterRemoval);
    }
};

QTEST_GUILESS_MAIN(TestLastEntry)
#include "test_last_entry.moc"
