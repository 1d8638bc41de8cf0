#include "support/window_driver.h"

#include "app/failures.h"

#include <QtTest>

// Start-up: the folders it needs and the command-line switch; and the error dump
// that ends the program on an unexpected failure.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void missingFolderEndsTheProgram_data()
    {
        QTest::addColumn<int>("parts");
        QTest::addColumn<QString>("folder");
        QTest::newRow("neither: Data is checked first") << int(ProgramFolder::Log) << "Data";
        QTest::newRow("no Help") << int(ProgramFolder::Data | ProgramFolder::Log) << "Help";
    }
    void missingFolderEndsTheProgram()
    {
        QFETCH(int, parts);
        QFETCH(QString, folder);
        WindowDriver d(QLocale("en_GB"), QString(), parts);
        QVERIFY(!d.start());
        QCOMPARE(d.window->exitCode(), 1);
        QCOMPARE(d.lastMessage().title, "Aquabill " + folder + " Directory Error");
        QCOMPARE(d.lastMessage().text, QStringLiteral("The %1 directory does not exist.\r\nTo restore the %1 directory\r\n"
                                                      "reinstall the program.\r\nThe program will now terminate.").arg(folder));
        QCOMPARE(d.lastMessage().icon, platform::Icon::Critical);
        QVERIFY(!d.folder.exists("Log/Aquabill.log"));
    }

    void inhibitSwitchIsTheWholeArgument()
    {
        const QList<std::pair<QString, int>> cases = {{"-InhibitErrorCheck", 1}, {"-inhibiterrorcheck", 0}, {"-InhibitErrorCheck x", 0}};
        for (const auto &[arguments, inhibit] : cases) {
            WindowDriver d(QLocale("en_GB"), arguments);
            QVERIFY(d.start());
            QVERIFY2(d.window->InhibitErrorCheck == inhibit, qPrintable(arguments));
        }
    }

    // Boxes hold their own names, so each dump line shows which box went where;
    // the options are those of the shipped configuration.
    void fatalErrorAppendsTheDumpToAnExistingLogAndEnds()
    {
        WindowDriver d;
        QVERIFY(d.start());
        for (const char *box : {"NormalR1", "NormalR2", "SCharge", "Disc1", "Disc2", "CheapR", "VAT", "BPoint", "PRate", "Date1", "NRead2",
                                "TDays", "CRCost", "D1Cost", "TCost", "UDay", "TDaysP", "CRCostP", "TCostP", "D1CostP"})
            d.find<QLineEdit>(box)->setText(box);
        d.type("Notes", "Estimated");
        d.window->ConfigEcho = "[Run]";
        const qsizetype before = d.folder.read("Log/Aquabill.log").size();

        QVERIFY_THROWS_EXCEPTION(ProgramEnd, d.window->FatalError("Calculation Error", 103));
        QCOMPARE(d.lastMessage().title, "Aquabill Fatal Error");
        QCOMPARE(d.lastMessage().text, "Error Number 103\r\nA Fatal Calculation Error Has Occurred\r\nThe Program Will Now Terminate");
        QCOMPARE(d.lastMessage().icon, platform::Icon::Critical);
        const QByteArray expected =
            "05/12/2026 10:15\r\nLog/Aquabill.log\r\nVersion 3.5\r\n\r\n******** Calculation Error 103 ********\r\n\r\n"
            "Dump of configuration file and available program data follows:\r\n\r\n\r\n[Run]\r\n\r\nProgram Defaults\r\n----------------\r\n"
            "NormalR1, NormalR2, SCharge, Disc1, Disc2, CheapR, VAT, BPoint, PRate\r\n, 0, 1, 0, 0, 0, 0\r\n, 0\r\n\r\n"
            "Program Data\r\n------------\r\nDate1, , , NRead2, \r\nEstimated\r\n\r\n"
            "Program Actual\r\n--------------\r\nTDays, , , , , , , D1Cost, TCost, , , , , UDay\r\n\r\n"
            "Program Predicted\r\n-----------------\r\nTDaysP, , , , , , , TCostP, D1CostP, , , \r\n\r\n***** End of Error Dump *****\r\n\r\n\r\n";
        // Line by line, so a difference names the line it is in.
        QCOMPARE(d.folder.read("Log/Aquabill.log").mid(before).split('\n'), expected.split('\n'));

        // Without a results log there is nothing to append to, and none is made.
        QFile::remove("Log/Aquabill.log");
        QVERIFY_THROWS_EXCEPTION(ProgramEnd, d.window->FatalError("Check Error", 121));
        QCOMPARE(d.lastMessage().text, "Error Number 121\r\nA Fatal Check Error Has Occurred\r\nThe Program Will Now Terminate");
        QVERIFY(!d.folder.exists("Log/Aquabill.log"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
