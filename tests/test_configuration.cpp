#include "support/window_driver.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>

// The shipped tariff, as Save Data writes it at 10:15:42 on 5 December 2026.
static const QByteArray workedExample =
    "# Aquabill Version 3.5\r\n# Configuration File\r\n# 05-Dec-26 10:15:42\r\n\r\n[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n"
    "\r\n[Data]\r\nDisc1=1\r\nDisc1PT=1\r\nDisc2=1\r\nDisc2FT=1\r\nPredict=13\r\nPSize=2\r\nSFCharge=1\r\nSVAllow=96\r\n"
    "SVRate=2.2345\r\nVRate=1\r\nVUnits=1\r\nWFCharge=38.5\r\nWVRate=1.2345\r\n";

static QByteArray edited(const char *from, const char *to) { return QByteArray(workedExample).replace(from, to); }
static QStringList items(const char *list) { return QString::fromUtf8(list).split(u';'); }

class TestConfiguration : public QObject {
    Q_OBJECT

private slots:
    void savingWritesTheFileThatResetReadsBack()
    {
        WindowDriver driver;
        QVERIFY(driver.start());
        driver.enter(items("Date1=2019-06-01;Date2=soon"));
        // Past 64 bytes the system refuses the write; ignored, its signal cannot end the test.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{64, previous.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        driver.click("Save_Defaults");
        setrlimit(RLIMIT_FSIZE, &previous);
        QCOMPARE(driver.folder.read("Data/Aquabill.ini"), workedExample);
        QCOMPARE(driver.messages(), items("Aquabill Configuration File Error: Unable to write to the configuration "
                                          "file.\r\nThis may be a permissions problem."));

        QVERIFY(QFile::remove("Data/Aquabill.ini"));  // only a save can bring it back
        driver.click("Save_Defaults");
        QCOMPARE(driver.folder.read("Data/Aquabill.ini"), workedExample);
        // The money boxes, checked bare, are shown with the symbol again.
        QCOMPARE(driver.state(items("Status;Date1;Date2;NormalR1")),
                 items("Status=Defaults Saved;Date1=01/06/2019;Date2=soon;NormalR1=£1.2345"));

        // The reload runs the boxes' handlers (the unit caption shows it) and keeps the readings.
        driver.enter(items("VolUnits1;Disc1P;NormalR1=7;Disc2=7"));
        driver.find<QPushButton>("Save")->setEnabled(true);
        driver.click("Reset_Defaults");
        QCOMPARE(driver.state(items("VolUnits1;Disc1P;NormalR1;Disc2;WVChargeL;Date1;Save;Status")),
                 items("VolUnits1=0;Disc1P=0;NormalR1=£1.2345;Disc2=;WVChargeL=/Cu m;Date1=01/06/2019;Save=disabled;"
                       "Status=Defaults Restored"));
    }

    // A valid file reloads whole, whatever the boxes were changed to first: it is
    // checked against the options it stores, no option handler empties a field,
    // and the captions follow the options reloaded.
    void resetOverAValidFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Discount 1 of 40, box ticked") << edited("Disc1=1\r", "Disc1=41\r") << items("Disc1P=1")
            << items("Disc1P=0;Disc1=£40.00;Status=Defaults Restored");
        QTest::newRow("Discount 1 of 10%, box unticked") << edited("Disc1=1\r", "Disc1=11\r").replace("Disc1PT=1", "Disc1PT=2")
            << items("Disc1P=0") << items("Disc1P=1;Disc1=10.00;Disc1L=%;Status=Defaults Restored");
        QTest::newRow("six-monthly, box ticked") << edited("PSize=2", "PSize=1").replace("Predict=13", "Predict=3")
            << items("Period=1;PRate=20") << items("Period=0;PRate=2;PRateH=* 6m;Status=Defaults Restored");
        QTest::newRow("Auto Save and On Top, boxes unticked") << edited("LogLevel=1", "LogLevel=2").replace("RunOnTop=1", "RunOnTop=2")
            << items("AutoSave=0;OnTop=0") << items("AutoSave=1;OnTop=1;Status=Defaults Restored");
        // Started with a tax rate, and never without one, the window names the tax in its totals.
        QTest::newRow("a tax rate of 17.5%") << edited("VRate=1\r", "VRate=18.5\r") << items("Disc2=7")
            << items("VAT=17.5;?VCost=Total VAT;?VCostP=Predicted Total VAT;Status=Defaults Restored");
        // Results worked out with the tariff being replaced no longer stand.
        QTest::newRow("a calculation on show") << workedExample
            << items("Date1=01/06/2019;Date2=01/12/2019;NRead1=1000;NRead2=1234.5;NormalR1=1.50;Calc")
            << items("TDays=;TCost=;TVCost=;CDay=;TDaysP=;TCostP=;TVCostP=;NormalR1=£1.2345;Status=Defaults Restored");
    }

    void resetOverAValidFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        WindowDriver driver;
        driver.folder.write("Data/Aquabill.ini", file);
        QVERIFY(driver.start());
        driver.enter(changes + items("Reset_Defaults"));
        QCOMPARE(driver.messages(), QStringList());
        QCOMPARE(driver.state(expected), expected);
    }

    // The check's problems are shown, bar the window's own symbol nothing typed
    // is taken off, and the file stays as it was.
    void savingRefusesATariffOutOfRange()
    {
        WindowDriver d;
        QVERIFY(d.start());
        AquabillMain::setValue(d.find<QCheckBox>("AutoSave"), 2);
        d.enter({"NormalR1=$1.25", "CheapR=£100", "Save_Defaults"});
        QCOMPARE(d.messages(), QStringList{
            "Aquabill Data Error: Auto Save must be 1 or 2\nWater Volume Charge must be between 0.10 and 9.99\n"
            "Sewage Fixed Charge must be either 0 or between 5 and 99\n"});
        QCOMPARE(d.state({"NormalR1", "CheapR"}), QStringList({"NormalR1=$1.25", "CheapR=100"}));
        QCOMPARE(d.folder.read("Data/Aquabill.ini"), ProgramFolder::shippedConfiguration());
    }

    // A reading that fails part-way ends the program; the dump shows the file
    // as far as it was read, and its values in the boxes, a greyed tick box as 2.
    void resetFailingPartWayDumpsWhatWasRead()
    {
        WindowDriver d;
        QVERIFY(d.start());
        AquabillMain::setValue(d.find<QCheckBox>("AutoSave"), 2);
        d.folder.write("Data/Aquabill.ini", edited("VUnits=1", "VUnits=40000").replace("Disc1=1\r", "Disc1=6\r"));
        const qsizetype before = d.folder.read("Log/Aquabill.log").size();
        d.click("Reset_Defaults");
        // Ending closes the window, which must not end the program a second time.
        QCOMPARE(d.platform.quitCodes, QList<int>{2});
        QCOMPARE(d.window->exitCode(), 2);
        QCOMPARE(d.messages(), QStringList{"Aquabill Fatal Error: Error Number 162\r\nA Fatal Config Read Error Has "
                                           "Occurred\r\nThe Program Will Now Terminate"});
        const QByteArray dump = d.folder.read("Log/Aquabill.log").mid(before);
        const QByteArray read = "follows:\r\n\r\n\r\nAquabill Configuration\r\n----------------------\r\n[Run]\r\n"
            "LogLevel=1\r\nRunOnTop=1\r\n[Data]\r\nDisc1=6\r\nDisc1PT=1\r\nDisc2=1\r\nDisc2FT=1\r\nPredict=13\r\n"
            "PSize=2\r\nSFCharge=1\r\nSVAllow=96\r\nSVRate=2.2345\r\nVRate=1\r\n\r\nProgram Defaults\r\n"
            "----------------\r\n\xA3" "1.2345, 1.2345, \xA3" "37.50, 5, 0, 0, 0, 95, 12\r\n, 0, 1, 0, 2, 0, 0\r\n";  // single-byte pounds
        QVERIFY2(dump.contains(read), dump.constData());
    }

    void readingTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");  // null: no file at all
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected");  // box=text once running, then every message shown
        QTest::addColumn<QString>("condition");     // "checks off"; "unreadable" for a file nobody may open;
                                                    // "reset" for a file read by Reset Data over the shipped one
        const QString end = "\r\nReinstall the program to restore the file\r\nThe program will now terminate";
        const QStringList corrupted = {"Aquabill Configuration File Error: The configuration file is corrupted" + end};
        QTest::newRow("PSize of 1.5") << edited("PSize=2", "PSize=1.5").replace("Predict=13", "Predict=4") << 0
                                      << items("Period=0") << "";
        // Checked against the six-monthly working it stores, a prediction of 12 periods is out of range.
        QTest::newRow("six-monthly, 12 periods") << edited("PSize=2", "PSize=1") << 1 << corrupted << "";
        QTest::newRow("gallons") << edited("VUnits=1", "VUnits=2") << 0 << items("VolUnits1=1;WVChargeL=/1000 Gal") << "";
        QTest::newRow("Discount 2 fixed") << edited("Disc2FT=1", "Disc2FT=2") << 0 << items("Disc2F=1") << "";
        QTest::newRow("no file") << QByteArray() << 1
            << QStringList{"Aquabill Configuration File Error: The configuration file is missing or corrupted" + end} << "";
        QTest::newRow("section in lower case") << edited("[Run]", "[run]") << 1 << corrupted << "";
        // A key the file lacks keeps its box's text, shown with the symbol, which no stored amount has.
        QTest::newRow("reset, a key repeated for another") << edited("WVRate=1.2345", "WFCharge=38.5") << 1
                                                           << corrupted << "reset";
        const QString fatal = "Aquabill Fatal Error: Error Number %1\r\nA Fatal Config Read Error Has Occurred\r\n"
                              "The Program Will Now Terminate";
        QTest::newRow("unreadable") << workedExample << 2 << QStringList{fatal.arg(161)} << "unreadable";
        // With the checks off only an option no box can show ends the reading, once the values are in
        // and checked (the step is the check's last).
        QTest::newRow("checks off, monthly of 5") << edited("PSize=2", "PSize=5") << 2 << QStringList{fatal.arg(135)}
                                                  << "checks off";
    }

    void readingTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        QFETCH(QString, condition);
        WindowDriver driver(QLocale(QLocale::English, QLocale::UnitedKingdom),
                            condition == "checks off" ? "-InhibitErrorCheck" : "");
        const bool reset = condition == "reset";
        file.isNull() ? void(QFile::remove("Data/Aquabill.ini"))
                      : driver.folder.write("Data/Aquabill.ini", reset ? workedExample : file);
        if (condition == "unreadable")
            driver.platform.failReadsOf("Data/Aquabill.ini");
        bool running = driver.start();
        if (reset) {
            driver.folder.write("Data/Aquabill.ini", file);
            driver.click("Reset_Defaults");
            running = driver.platform.quitCodes.isEmpty();
        }
        QCOMPARE(running ? 0 : driver.window->exitCode(), exitCode);
        QCOMPARE((exitCode == 0 ? driver.state(expected) : QStringList()) + driver.messages(), expected);
    }
};

QTEST_MAIN(TestConfiguration)
#include "test_configuration.moc"
