#include "support/window_driver.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

// The configuration file: what start-up and Reset Data read from it, what
// Save Data writes, and how a damaged file or a failed write is met.
class TestConfiguration : public QObject {
    Q_OBJECT

private slots:
    void savingWritesTheFileByteForByte();
    void savedFileLoadsBackIntoTheSameWindow();
    void damagedFileIsMetAtStartUp_data();
    void damagedFileIsMetAtStartUp();
    void storedValuesFillTheWindow_data();
    void storedValuesFillTheWindow();
    void emptyFieldsAreSavedAsOne();
    void invalidTariffIsShownAndNotSaved();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void resetRestoresTheSavedTariff();
};

namespace {

const QString iniPath = QStringLiteral("Data/Aquabill.ini");

// Saved at 10:15:42 on 5 December 2026: no discounts, monthly, a 12-month
// prediction, no sewerage fixed charge, a 95% allowance, sewerage and water at
// 1.2345 a unit, no tax, cubic metres and a water fixed charge of 37.50.
const QByteArray workedExample =
    "# Aquabill Version 3.5\r\n# Configuration File\r\n# 05-Dec-26 10:15:42\r\n\r\n"
    "[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n\r\n"
    "[Data]\r\nDisc1=1\r\nDisc1PT=1\r\nDisc2=1\r\nDisc2FT=1\r\nPredict=13\r\nPSize=2\r\nSFCharge=1\r\n"
    "SVAllow=96\r\nSVRate=2.2345\r\nVRate=1\r\nVUnits=1\r\nWFCharge=38.5\r\nWVRate=1.2345\r\n";

// A valid file far from the worked example in every value and option.
const QByteArray otherTariff = "# Aquabill Version 3.5\r\n# Configuration File\r\n# 01-Jan-26 08:00:00\r\n\r\n"
                               "[Run]\r\nLogLevel=2\r\nRunOnTop=2\r\n\r\n"
                               "[Data]\r\nDisc1=6\r\nDisc1PT=2\r\nDisc2=4\r\nDisc2FT=2\r\nPredict=3\r\nPSize=1\r\n"
                               "SFCharge=26\r\nSVAllow=91\r\nSVRate=3\r\nVRate=21\r\nVUnits=2\r\nWFCharge=21\r\n"
                               "WVRate=1.5\r\n";

const QStringList tariffBoxes = {"NormalR1", "NormalR2", "SCharge", "CheapR", "BPoint",
                                 "PRate",    "VAT",      "Disc1",   "Disc2"};
const QStringList optionBoxes = {"AutoSave", "OnTop", "Period", "VolUnits1", "Disc1P", "Disc2F"};

QStringList windowState(const WindowDriver &driver)
{
    QStringList state;
    for (const QString &box : tariffBoxes)
        state << box + QLatin1Char('=') + driver.text(box);
    for (const QString &box : optionBoxes)
        state << box + QLatin1Char('=') + QString::number(AquabillMain::value(driver.find<QCheckBox>(box)));
    return state;
}

void setTicked(WindowDriver &driver, const QString &box, bool ticked)
{
    if (driver.ticked(box) != ticked)
        driver.click(box);
}

QByteArray withoutDateLine(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    if (lines.size() > 2)
        lines.removeAt(2);
    return lines.join('\n');
}

}  // namespace

void TestConfiguration::savingWritesTheFileByteForByte()
{
    WindowDriver driver;
    driver.folder.write(iniPath, otherTariff);
    QVERIFY(driver.start());

    // The worked example's tariff, entered by hand over a different one.
    for (const char *box : {"Disc1", "Disc2", "CheapR", "VAT"})
        driver.type(box, QString());
    driver.type(QStringLiteral("PRate"), QStringLiteral("12"));
    driver.type(QStringLiteral("BPoint"), QStringLiteral("95"));
    driver.type(QStringLiteral("NormalR2"), QStringLiteral("1.2345"));
    driver.type(QStringLiteral("SCharge"), QStringLiteral("37.50"));
    driver.type(QStringLiteral("NormalR1"), QStringLiteral("1.2345"));
    for (const char *box : {"AutoSave", "OnTop", "VolUnits1", "Disc1P", "Disc2F"})
        setTicked(driver, box, false);
    setTicked(driver, QStringLiteral("Period"), true);
    driver.type(QStringLiteral("Date1"), QStringLiteral("2019-06-01"));
    driver.type(QStringLiteral("Date2"), QStringLiteral("soon"));

    driver.click(QStringLiteral("Save_Defaults"));

    QCOMPARE(driver.folder.read(iniPath), workedExample);
    QCOMPARE(driver.text(QStringLiteral("Status")), QStringLiteral("Defaults Saved"));
    QVERIFY(driver.platform.shown.isEmpty());
    // Saving shows the dates in the short form; what is no date stays.
    QCOMPARE(driver.text(QStringLiteral("Date1")), QStringLiteral("01/06/2019"));
    QCOMPARE(driver.text(QStringLiteral("Date2")), QStringLiteral("soon"));

    // Saving again without changes alters only the date line.
    driver.platform.setNow(QDateTime(QDate(2027, 3, 9), QTime(7, 4, 3)));
    driver.click(QStringLiteral("Save_Defaults"));
    const QByteArray second = driver.folder.read(iniPath);
    QCOMPARE(second.split('\n').at(2), QByteArray("# 09-Mar-27 07:04:03\r"));
    QCOMPARE(withoutDateLine(second), withoutDateLine(workedExample));
}

void TestConfiguration::savedFileLoadsBackIntoTheSameWindow()
{
    WindowDriver driver;
    driver.folder.write(iniPath, otherTariff);
    QVERIFY(driver.start());
    driver.type(QStringLiteral("NormalR2"), QStringLiteral("0.333"));
    driver.type(QStringLiteral("SCharge"), QStringLiteral("12.255"));
    driver.type(QStringLiteral("Disc2"), QStringLiteral("1.1"));
    driver.click(QStringLiteral("Save_Defaults"));
    const QStringList saved = windowState(driver);

    // A reload must find exactly what was shown when the tariff was saved.
    setTicked(driver, QStringLiteral("OnTop"), false);
    setTicked(driver, QStringLiteral("VolUnits1"), false);
    for (const QString &box : tariffBoxes)
        driver.type(box, QStringLiteral("7"));
    driver.click(QStringLiteral("Reset_Defaults"));
    QCOMPARE(windowState(driver), saved);

    WindowDriver restarted;
    restarted.folder.write(iniPath, driver.folder.read(iniPath));
    QVERIFY(restarted.start());
    QCOMPARE(windowState(restarted), saved);
}

void TestConfiguration::damagedFileIsMetAtStartUp_data()
{
    enum Outcome { Loads, Corrupted, Missing, Fatal };
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("echoed");  // a line the echo must hold, when it loads

    auto edit = [](const char *from, const char *to) { return QByteArray(workedExample).replace(from, to); };
    QTest::newRow("as shipped") << workedExample << int(Loads) << "\r\nWVRate=1.2345";
    QTest::newRow("no file") << QByteArray() << int(Missing) << "";
    QTest::newRow("empty file") << QByteArray("") << int(Corrupted) << "";
    QTest::newRow("a key missing") << edit("\r\nVRate=1\r\n", "\r\n") << int(Corrupted) << "";
    QTest::newRow("section in lower case") << edit("[Run]", "[run]") << int(Corrupted) << "";
    QTest::newRow("blank before the equals sign") << edit("Disc1=1", "Disc1 =5") << int(Corrupted) << "";
    QTest::newRow("key in another case") << edit("Disc1=1", "disc1=5") << int(Corrupted) << "";
    QTest::newRow("blank after the equals sign") << edit("Disc1=1", "Disc1= 1") << int(Loads) << "\r\nDisc1= 1";
    QTest::newRow("indented key") << edit("VUnits=1", "   VUnits=1  ") << int(Loads) << "\r\nVUnits=1\r\n";
    QTest::newRow("indented comment is kept") << edit("[Data]\r\n", "[Data]\r\n   # note\r\n") << int(Loads)
                                              << "\r\n[Data]\r\n# note\r\nDisc1=1";
    QTest::newRow("lines in another order") << edit("[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n", "")
                                                       .append("[Run]\r\nRunOnTop=1\r\nLogLevel=1\r\n")
                                            << int(Loads) << "\r\nLogLevel=1\r\n\r\n";
    QTest::newRow("one key twice, one missing") << edit("\r\nVRate=1\r\n", "\r\nDisc2=1\r\n") << int(Loads) << "";
    QTest::newRow("lone line feeds") << QByteArray(workedExample).replace("\r\n", "\n") << int(Loads) << "";
    // These need the settings check's ranges.
    QTest::newRow("empty value") << edit("Disc1=1", "Disc1=") << int(Corrupted) << "";
    QTest::newRow("water charge out of range") << edit("WVRate=1.2345", "WVRate=12") << int(Corrupted) << "";
    QTest::newRow("on top neither 1 nor 2") << edit("RunOnTop=1", "RunOnTop=3") << int(Corrupted) << "";
    QTest::newRow("units out of range") << edit("VUnits=1", "VUnits=0") << int(Corrupted) << "";
    QTest::newRow("on top beyond 16 bits") << edit("RunOnTop=1", "RunOnTop=40000") << int(Fatal) << "";
}

void TestConfiguration::damagedFileIsMetAtStartUp()
{
    enum Outcome { Loads, Corrupted, Missing, Fatal };
    QFETCH(QByteArray, file);
    QFETCH(int, outcome);
    QFETCH(QString, echoed);
    WindowDriver driver;
    if (outcome == Missing)
        QVERIFY(QFile::remove(iniPath));
    else
        driver.folder.write(iniPath, file);

    const bool started = driver.start();
    const ScriptedPlatform::Shown shown = driver.lastMessage();
    switch (outcome) {
    case Loads:
        QVERIFY2(started, qPrintable(shown.title + QLatin1Char(' ') + shown.text));
        QVERIFY2(driver.platform.shown.isEmpty(), qPrintable(shown.text));
        QVERIFY(driver.window->ConfigEcho.startsWith(
            QStringLiteral("Aquabill Configuration\r\n----------------------\r\n")));
        QVERIFY(driver.window->ConfigEcho.endsWith(QStringLiteral("\r\n\r\n")));
        QVERIFY(!driver.window->ConfigEcho.contains(QStringLiteral("#")) || echoed.contains(QStringLiteral("#")));
        QVERIFY2(driver.window->ConfigEcho.contains(echoed), qPrintable(driver.window->ConfigEcho));
        return;
    case Corrupted:
    case Missing:
        QVERIFY(!started);
        QCOMPARE(driver.window->exitCode(), 1);
        QCOMPARE(driver.platform.shown.size(), 1);
        QCOMPARE(shown.title, QStringLiteral("Aquabill Configuration File Error"));
        QCOMPARE(shown.text, (outcome == Missing ? QStringLiteral("The configuration file is missing or corrupted")
                                                 : QStringLiteral("The configuration file is corrupted"))
                                 + QStringLiteral("\r\nReinstall the program to restore the file\r\n"
                                                  "The program will now terminate"));
        QCOMPARE(shown.icon, platform::Icon::Critical);
        QCOMPARE(shown.buttons, platform::Buttons::Ok);
        break;
    case Fatal:
        QVERIFY(!started);
        QCOMPARE(driver.window->exitCode(), 2);
        QCOMPARE(shown.title, QStringLiteral("Aquabill Fatal Error"));
        QCOMPARE(shown.text, QStringLiteral("Error Number 162\r\nA Fatal Config Read Error Has Occurred\r\n"
                                            "The Program Will Now Terminate"));
        break;
    }
    // The program ended before the logs were prepared.
    QVERIFY(!driver.folder.exists(QStringLiteral("Log/Aquabill.log")));
}

void TestConfiguration::storedValuesFillTheWindow_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QStringList>("expected");  // box=text, or box=0|1 for tick boxes

    QTest::newRow("as shipped")
        << QByteArray() << QByteArray()
        << QStringList{"NormalR1=£1.2345", "NormalR2=£1.2345", "SCharge=£37.50", "PRate=12", "BPoint=95.0",
                       "CheapR=",          "VAT=",             "Disc1=",         "Disc2=",   "Period=1",
                       "AutoSave=0",       "OnTop=0",          "VolUnits1=0",    "Disc1P=0", "Disc2F=0"};
    QTest::newRow("PSize of 1.5 is six-monthly") << QByteArray("PSize=2") << QByteArray("PSize=1.5")
                                                 << QStringList{"Period=0", "PRateH=* 6m"};
    QTest::newRow("gallons") << QByteArray("VUnits=1") << QByteArray("VUnits=2")
                             << QStringList{"VolUnits1=1", "WVChargeL=/1000 Gal", "UDayL=Gal/Day:"};
    QTest::newRow("auto save") << QByteArray("LogLevel=1") << QByteArray("LogLevel=2") << QStringList{"AutoSave=1"};
    QTest::newRow("on top") << QByteArray("RunOnTop=1") << QByteArray("RunOnTop=2") << QStringList{"OnTop=1"};
    QTest::newRow("sewerage fixed charge") << QByteArray("SFCharge=1") << QByteArray("SFCharge=26.5")
                                           << QStringList{"CheapR=£25.50"};
    QTest::newRow("value read up to its first letter") << QByteArray("\r\nVRate=1\r\n") << QByteArray("\r\nVRate=21%\r\n")
                                                       << QStringList{"VAT=20.0"};
}

void TestConfiguration::storedValuesFillTheWindow()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QStringList, expected);
    WindowDriver driver;
    driver.folder.write(iniPath, from.isEmpty() ? workedExample : QByteArray(workedExample).replace(from, to));
    QVERIFY(driver.start());
    QVERIFY2(driver.platform.shown.isEmpty(), qPrintable(driver.lastMessage().text));

    for (const QString &item : expected) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        const QString want = item.section(QLatin1Char('='), 1);
        if (optionBoxes.contains(name))
            QCOMPARE(QString::number(AquabillMain::value(driver.find<QCheckBox>(name))), want);
        else
            QCOMPARE(driver.text(name), want);
    }
}

void TestConfiguration::emptyFieldsAreSavedAsOne()
{
    WindowDriver driver;
    driver.folder.write(iniPath, otherTariff);
    QVERIFY(driver.start());
    for (const char *box : {"PRate", "SCharge", "CheapR", "BPoint", "NormalR2", "VAT", "Disc1", "Disc2"})
        driver.type(box, QString());
    driver.click(QStringLiteral("Save_Defaults"));

    const QByteArray saved = driver.folder.read(iniPath);
    for (const char *line : {"\r\nPredict=1\r\n", "\r\nWFCharge=1\r\n", "\r\nSFCharge=1\r\n", "\r\nSVAllow=1\r\n",
                             "\r\nSVRate=1\r\n", "\r\nVRate=1\r\n", "\r\nDisc1=1\r\n", "\r\nDisc2=1\r\n"})
        QVERIFY2(saved.contains(line), line);
    QVERIFY(saved.endsWith("\r\nWVRate=1.5000\r\n"));
}

void TestConfiguration::invalidTariffIsShownAndNotSaved()
{
    // Needs the settings check.
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.type(QStringLiteral("NormalR1"), QString());
    driver.type(QStringLiteral("SCharge"), QStringLiteral("£100"));
    driver.click(QStringLiteral("Save_Defaults"));

    QCOMPARE(driver.folder.read(iniPath), workedExample);
    const ScriptedPlatform::Shown shown = driver.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Aquabill Data Error"));
    QCOMPARE(shown.text, QStringLiteral("Water Volume Charge must be between 0.10 and 9.99\n"
                                        "Water Fixed Charge must be either 0 or between 5 and 99\n"));
    QCOMPARE(shown.icon, platform::Icon::Exclamation);
    QVERIFY(driver.text(QStringLiteral("Status")) != QStringLiteral("Defaults Saved"));
}

void TestConfiguration::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("realRefusal");
    QTest::newRow("write refused") << false;
    // A refusal by the system itself: files may grow to no more than 64 bytes.
    QTest::newRow("file size limit reached") << true;
}

void TestConfiguration::failedSaveKeepsTheOldFile()
{
    QFETCH(bool, realRefusal);
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.type(QStringLiteral("SCharge"), QStringLiteral("40"));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    if (realRefusal) {
        rlimit small = previous;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    } else {
        driver.platform.failWritesTo(iniPath);
    }
    driver.click(QStringLiteral("Save_Defaults"));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(driver.folder.read(iniPath), workedExample);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(QStringLiteral("Data")).entryList(QDir::Files | QDir::Hidden), QStringList{"Aquabill.ini"});
    const ScriptedPlatform::Shown shown = driver.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Aquabill Configuration File Error"));
    QCOMPARE(shown.text, QStringLiteral("Unable to write to the configuration file.\r\n"
                                        "This may be a permissions problem."));
    QCOMPARE(shown.icon, platform::Icon::Exclamation);
    QVERIFY(driver.text(QStringLiteral("Status")) != QStringLiteral("Defaults Saved"));
    QVERIFY(!driver.window->hasEnded());
}

void TestConfiguration::resetRestoresTheSavedTariff()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    const QStringList shipped = windowState(driver);

    setTicked(driver, QStringLiteral("Period"), false);
    setTicked(driver, QStringLiteral("Disc1P"), true);
    setTicked(driver, QStringLiteral("VolUnits1"), true);
    driver.type(QStringLiteral("NormalR1"), QStringLiteral("2"));
    driver.type(QStringLiteral("VAT"), QStringLiteral("20"));
    driver.type(QStringLiteral("Date1"), QStringLiteral("2019-06-01"));
    driver.find<QLineEdit>(QStringLiteral("TCost"))->setText(QStringLiteral("£5.00"));
    driver.find<QLineEdit>(QStringLiteral("TVCostP"))->setText(QStringLiteral("£9.00"));
    driver.find<QPushButton>(QStringLiteral("Save"))->setEnabled(true);

    driver.click(QStringLiteral("Reset_Defaults"));

    QCOMPARE(windowState(driver), shipped);
    QCOMPARE(driver.text(QStringLiteral("WVChargeL")), QStringLiteral("/Cu m"));
    QVERIFY(driver.text(QStringLiteral("TCost")).isEmpty());
    QVERIFY(driver.text(QStringLiteral("TVCostP")).isEmpty());
    QVERIFY(!driver.find<QPushButton>(QStringLiteral("Save"))->isEnabled());
    QCOMPARE(driver.text(QStringLiteral("Status")), QStringLiteral("Defaults Restored"));
    // The readings are not part of the tariff.
    QCOMPARE(driver.text(QStringLiteral("Date1")), QStringLiteral("2019-06-01"));
    QVERIFY(driver.platform.shown.isEmpty());
}

QTEST_MAIN(TestConfiguration)
#include "test_configuration.moc"
