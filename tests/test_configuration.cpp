#include "support/window_driver.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// Saved at 10:15:42 on 5 December 2026: no discounts, monthly, a 12-month
// prediction, no sewerage fixed charge, a 95% allowance, sewerage and water at
// 1.2345 a unit, no tax, cubic metres and a water fixed charge of 37.50.
const QByteArray workedExample =
    "# Aquabill Version 3.5\r\n# Configuration File\r\n# 05-Dec-26 10:15:42\r\n\r\n"
    "[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n\r\n"
    "[Data]\r\nDisc1=1\r\nDisc1PT=1\r\nDisc2=1\r\nDisc2FT=1\r\nPredict=13\r\nPSize=2\r\nSFCharge=1\r\n"
    "SVAllow=96\r\nSVRate=2.2345\r\nVRate=1\r\nVUnits=1\r\nWFCharge=38.5\r\nWVRate=1.2345\r\n";

const QString iniPath = "Data/Aquabill.ini";

QByteArray edited(const char *from, const char *to) { return QByteArray(workedExample).replace(from, to); }

// A list written as one text, its items separated by semicolons.
QStringList items(const char *list) { return QString::fromUtf8(list).split(u';'); }

const QStringList optionBoxes = items("AutoSave;OnTop;Period;VolUnits1;Disc1P;Disc2F");
// What a reload must bring back; the unit caption shows that the boxes' handlers ran.
const QStringList settingBoxes = optionBoxes + items("NormalR1;NormalR2;SCharge;CheapR;BPoint;PRate;VAT;Disc1;Disc2;WVChargeL");

}  // namespace

// The configuration file: what start-up and Reset Data read from it, what
// Save Data writes, and how a damaged file or a failed write is met.
class TestConfiguration : public QObject {
    Q_OBJECT

private slots:
    void savingWritesTheFileThatResetReadsBack_data()
    {
        QTest::addColumn<QStringList>("entered");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("refusal");  // title and text
        QTest::newRow("as loaded") << QStringList() << workedExample << QStringList();
        QTest::newRow("options ticked, empty fields written as one") << optionBoxes + items("NormalR2=;SCharge=;BPoint=;PRate=")
            << QByteArray("# Aquabill Version 3.5\r\n# Configuration File\r\n# 05-Dec-26 10:15:42\r\n\r\n"
                          "[Run]\r\nLogLevel=2\r\nRunOnTop=2\r\n\r\n[Data]\r\nDisc1=1\r\nDisc1PT=2\r\nDisc2=1\r\n"
                          "Disc2FT=2\r\nPredict=1\r\nPSize=1\r\nSFCharge=1\r\nSVAllow=1\r\nSVRate=1\r\nVRate=1\r\n"
                          "VUnits=2\r\nWFCharge=1\r\nWVRate=1.2345\r\n") << QStringList();
        // Files may grow to no more than 64 bytes, so the system itself refuses the write.
        QTest::newRow("file size limit") << QStringList() << workedExample
            << items("Aquabill Configuration File Error;Unable to write to the configuration file.\r\nThis may be a permissions problem.");
    }

    void savingWritesTheFileThatResetReadsBack()
    {
        QFETCH(QStringList, entered);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, refusal);
        WindowDriver driver;
        QVERIFY(driver.start());
        driver.enter(entered + items("Date1=2019-06-01;Date2=soon"));
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const rlimit limit{refusal.isEmpty() ? previous.rlim_cur : 64, previous.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        driver.click("Save_Defaults");
        setrlimit(RLIMIT_FSIZE, &previous);

        QCOMPARE(driver.folder.read(iniPath), file);
        const auto message = driver.lastMessage();
        QCOMPARE((message.text.isEmpty() ? QStringList() : QStringList{message.title, message.text}), refusal);
        if (!refusal.isEmpty())
            return;
        QCOMPARE(driver.state(items("Status;Date1;Date2")), items("Status=Defaults Saved;Date1=01/06/2019;Date2=soon"));
        driver.platform.setNow(QDateTime(QDate(2027, 3, 9), QTime(7, 4, 3)));
        driver.click("Save_Defaults");
        QCOMPARE(driver.folder.read(iniPath), QByteArray(file).replace("05-Dec-26 10:15:42", "09-Mar-27 07:04:03"));

        // Reset Data brings back what was saved and drops the results, but not the readings.
        const QStringList saved = driver.state(settingBoxes);
        driver.enter(optionBoxes + items("NormalR1=7;SCharge=7;Disc2=7"));
        driver.find<QLineEdit>("TCost")->setText("£5.00");
        driver.find<QPushButton>("Save")->setEnabled(true);
        driver.click("Reset_Defaults");
        QCOMPARE(driver.state(settingBoxes), saved);
        QCOMPARE(driver.state(items("TCost;Date1;Status")), items("TCost=;Date1=01/06/2019;Status=Defaults Restored"));
        QVERIFY(!driver.find<QPushButton>("Save")->isEnabled());
    }

    void startingWithTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");  // null: no file at all
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected");  // box=text while it runs, else the message's title and text
        const QString end = "\r\nReinstall the program to restore the file\r\nThe program will now terminate";
        const QStringList corrupted = {"Aquabill Configuration File Error", "The configuration file is corrupted" + end};
        QTest::newRow("PSize of 1.5") << edited("PSize=2", "PSize=1.5") << 0 << items("Period=0");
        // Only matches are counted, so a doubled key makes up for a missing one. Lines are
        // trimmed: an indented key counts, and an indented comment is read but matches nothing.
        QTest::newRow("a key twice, one missing, indented lines")
            << edited("\r\nVRate=1", "\r\nDisc2=3").replace("VUnits=1", "  VUnits= 2 \r\n  # x") << 0 << items("Disc2=£2.00;VolUnits1=1");
        QTest::newRow("no file") << QByteArray() << 1 << QStringList{corrupted[0], "The configuration file is missing or corrupted" + end};
        QTest::newRow("a key missing") << edited("\r\nVRate=1\r\n", "\r\n") << 1 << corrupted;
        QTest::newRow("section in lower case") << edited("[Run]", "[run]") << 1 << corrupted;
        QTest::newRow("blank before the equals sign") << edited("Disc1=1", "Disc1 =5") << 1 << corrupted;
        QTest::newRow("empty value") << edited("Disc1=1", "Disc1=") << 1 << corrupted;
        QTest::newRow("water charge out of range") << edited("WVRate=1.2345", "WVRate=12") << 1 << corrupted;
        QTest::newRow("on top beyond 16 bits") << edited("RunOnTop=1", "RunOnTop=40000") << 2
            << items("Aquabill Fatal Error;Error Number 162\r\nA Fatal Config Read Error Has Occurred\r\nThe Program Will Now Terminate");
    }

    void startingWithTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        WindowDriver driver;
        file.isNull() ? void(QFile::remove(iniPath)) : driver.folder.write(iniPath, file);
        QCOMPARE(driver.start() ? 0 : driver.window->exitCode(), exitCode);
        QCOMPARE(driver.platform.shown.size(), exitCode == 0 ? 0 : 1);
        const auto message = driver.lastMessage();
        QCOMPARE((exitCode == 0 ? driver.state(expected) : QStringList{message.title, message.text}), expected);
    }
};

QTEST_MAIN(TestConfiguration)
#include "test_configuration.moc"
