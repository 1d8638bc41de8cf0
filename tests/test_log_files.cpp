#include "support/window_driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString results = u"Log/Aquabill.log"_s, history = u"Log/Aquabill_H.log"_s;
const QByteArray startUpEntry = "Aquabill Started\r\nVersion 3.5\r\n05/12/2026 10:15:42\r\n\r\n";
const QByteArray newResults = "Aquabill Results Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n";

}  // namespace

// The two logs: their creation at start-up and opening them in the viewer.
class TestLogFiles : public QObject {
    Q_OBJECT

private slots:
    // The history tests compare the new history log byte for byte.
    void firstStartCreatesBothLogs()
    {
        WindowDriver d;
        QVERIFY(d.start());
        QCOMPARE(d.folder.read(results), newResults + startUpEntry);
        QVERIFY(d.folder.exists(history));
    }

    // A log already there is kept as it is; one that cannot be made stays absent.
    void startKeepsAPresentLogAndReportsOneItCannotCreate()
    {
        WindowDriver d;
        d.folder.write(results, "odd\r\n");
        d.platform.failWritesTo(history);
        QVERIFY(d.start());
        QCOMPARE(d.folder.read(results), "odd\r\n" + startUpEntry);
        QVERIFY(!d.folder.exists(history));
        // Then the restore of the last reading finds no history log, and so does Rem Last.
        d.click(u"Del_Last"_s);
        const QString missing = u"Aquabill History Log File Error: The history log file is either missing\r\nor "
                                "corrupted. Delete the log file \r\nAquabill_H.log if it exists and restart\r\nthe program."_s;
        QCOMPARE(d.messages(), (QStringList{u"Aquabill Log File Error: Unable to create the log files.\r\nThis may be a "
                                            "permissions problem."_s, missing, missing}));
    }

    void viewButtonsStartTheViewerOnTheirLogs()
    {
        WindowDriver d;
        QVERIFY(d.start());
        d.click(u"ViewH"_s);
        d.click(u"ViewL"_s);
        QCOMPARE(d.platform.viewed, (QStringList{history, results}));
        d.platform.failDesktopRequests();
        d.click(u"ViewL"_s);
        QCOMPARE(d.messages(), QStringList{u"Aquabill Log File Error: Unable to run Notepad\r\nCheck that it exists and\r\n"
                                           "is working properly."_s});
    }
};

QTEST_MAIN(TestLogFiles)
#include "test_log_files.moc"
