#include "support/window_driver.h"

#include "app/failures.h"

#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void missingFolderEndsTheProgram()
    {
        const auto ending = [](const QString &folder) {
            return QStringList(QStringLiteral("Aquabill %1 Directory Error: The %1 directory does not exist.\r\nTo "
                                              "restore the %1 directory\r\nreinstall the program.\r\nThe program will "
                                              "now terminate.").arg(folder));
        };
        using enum ProgramFolder::Part;
        const QList<std::pair<int, QString>> cases = {{Log, "Data"}, {Data | Log, "Help"}, {Data | Help, "Log"}};
        for (const auto &[parts, folder] : cases) {
            WindowDriver d(QLocale("en_GB"), QString(), parts);
            QVERIFY(!d.start());
            QCOMPARE(d.window->exitCode(), 1);
            QCOMPARE(d.messages(), ending(folder));
        }
        // Help looks for its folder again, which may have gone since the start.
        WindowDriver d;
        QVERIFY(d.start());
        QVERIFY(QDir(QStringLiteral("Help")).removeRecursively());
        d.enter({"Help1"});
        QCOMPARE(d.platform.quitCodes, QList<int>{1});
        QCOMPARE(d.messages(), ending("Help"));
    }

    void inhibitSwitchIsTheWholeArgument()
    {
        const QList<std::pair<QString, int>> cases = {
            {"-InhibitErrorCheck", 1}, {"-inhibiterrorcheck", 0}, {"-InhibitErrorCheck x", 0}};
        for (const auto &[arguments, inhibit] : cases) {
            WindowDriver d(QLocale("en_GB"), arguments);
            QVERIFY2(d.start() && d.window->state().InhibitErrorCheck == inhibit, qPrintable(arguments));
        }
    }

    // The real program takes the switch from its command line: with the checks off
    // it starts on a tariff they would refuse.
    void inhibitSwitchFromTheCommandLine()
    {
        QTemporaryDir runtime;  // the copy's named locks stay out of the user's
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ProgramFolder folder;
        folder.write("Data/Aquabill.ini", ProgramFolder::shippedConfiguration().replace("PSize=2", "PSize=1"));
        QProcess program;  // killed, if still running, when the test ends
        program.start(qEnvironmentVariable("AQUABILL_BINARY"), {"-InhibitErrorCheck"});
        QTRY_VERIFY_WITH_TIMEOUT(folder.read("Log/Aquabill.log").contains("Aquabill Started\r\n"), 10000);
    }

    void fatalErrorAppendsTheDumpToAnExistingLogAndEnds()
    {
        WindowDriver d;
        QVERIFY(d.start());
        for (const char *box : {"NormalR1", "NormalR2", "SCharge", "Disc1", "Disc2", "CheapR", "VAT", "BPoint", "PRate",
                                "Date1", "NRead2", "TDays", "CRCost", "D1Cost", "TCost", "UDay", "TDaysP", "CRCostP",
                                "TCostP", "D1CostP"})
            d.find<QLineEdit>(box)->setText(box);  // so each item of the dump names the box it came from
        d.click("NoHistory");  // ticked, unlike the boxes beside it in the dump
        const qsizetype before = d.folder.read("Log/Aquabill.log").size();

        QVERIFY_THROWS_EXCEPTION(ProgramEnd, d.window->FatalError("Calculation Error", 103));
        QCOMPARE(d.messages().last(), "Aquabill Fatal Error: Error Number 103\r\nA Fatal Calculation Error Has "
                                      "Occurred\r\nThe Program Will Now Terminate");
        QCOMPARE(d.lastMessage().icon, platform::Icon::Critical);
        const QByteArray expected =
            "05/12/2026 10:15\r\nLog/Aquabill.log\r\nVersion 3.5\r\n\r\n******** Calculation Error 103 ********\r\n\r\n"
            // The configuration as read, bar its comments and blank lines, heads the dump.
            "Dump of configuration file and available program data follows:\r\n\r\n\r\nAquabill Configuration\r\n"
            "----------------------\r\n[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n[Data]\r\nDisc1=1\r\nDisc1PT=1\r\nDisc2=1\r\n"
            "Disc2FT=1\r\nPredict=13\r\nPSize=2\r\nSFCharge=1\r\nSVAllow=96\r\nSVRate=2.2345\r\nVRate=1\r\nVUnits=1\r\n"
            "WFCharge=38.5\r\nWVRate=1.2345\r\n\r\n\r\n\r\n"
            "Program Defaults\r\n----------------\r\nNormalR1, NormalR2, SCharge, Disc1, Disc2, CheapR, VAT, BPoint, PRate\r\n"
            ", 0, 1, 0, 0, 0, 0\r\n, 1\r\n\r\nProgram Data\r\n------------\r\nDate1, , , NRead2, \r\n\r\n\r\n"
            "Program Actual\r\n--------------\r\nTDays, , , , , , , D1Cost, TCost, , , , , UDay\r\n\r\nProgram Predicted\r\n"
            "-----------------\r\nTDaysP, , , , , , , TCostP, D1CostP, , , \r\n\r\n***** End of Error Dump *****\r\n\r\n\r\n";
        // Line by line, so a difference names its line.
        QCOMPARE(d.folder.read("Log/Aquabill.log").mid(before).split('\n'), expected.split('\n'));

        QFile::remove("Log/Aquabill.log");  // with no results log there is nothing to append to, and none is made
        QVERIFY_THROWS_EXCEPTION(ProgramEnd, d.window->FatalError("Check Error", 121));
        QVERIFY(!d.folder.exists("Log/Aquabill.log"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
