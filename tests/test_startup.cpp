#include "support/window_driver.h"

#include "app/failures.h"

#include <QPlainTextEdit>
#include <QtTest>

// Start-up: the folders it needs, the command-line switch, and the error dump
// that ends the program on an unexpected failure.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void missingFolderEndsTheProgram_data();
    void missingFolderEndsTheProgram();
    void inhibitSwitchIsTheWholeArgument_data();
    void inhibitSwitchIsTheWholeArgument();
    void windowStartsTitledAndEmpty();
    void comingBackFromAnotherWindowDoesNotReactivate();
    void fatalErrorAppendsTheDumpAndEnds_data();
    void fatalErrorAppendsTheDumpAndEnds();
    void fatalErrorWithoutAResultsLogOnlyTellsTheUser();
};

void TestStartup::missingFolderEndsTheProgram_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<QString>("folder");
    QTest::newRow("no Data") << int(ProgramFolder::Help | ProgramFolder::Log) << "Data";
    QTest::newRow("no Help") << int(ProgramFolder::Data | ProgramFolder::Log) << "Help";
    QTest::newRow("neither: Data is checked first") << int(ProgramFolder::Log) << "Data";
}

void TestStartup::missingFolderEndsTheProgram()
{
    QFETCH(int, parts);
    QFETCH(QString, folder);
    WindowDriver driver(QLocale(QLocale::English, QLocale::UnitedKingdom), QString(), parts);
    QVERIFY(!driver.start());
    QVERIFY(driver.window->hasEnded());
    QCOMPARE(driver.window->exitCode(), 1);
    QCOMPARE(driver.platform.shown.size(), 1);
    const ScriptedPlatform::Shown shown = driver.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Aquabill ") + folder + QStringLiteral(" Directory Error"));
    QCOMPARE(shown.text, QStringLiteral("The %1 directory does not exist.\r\nTo restore the %1 directory\r\n"
                                        "reinstall the program.\r\nThe program will now terminate.")
                             .arg(folder));
    QCOMPARE(shown.icon, platform::Icon::Critical);
    QCOMPARE(shown.buttons, platform::Buttons::Ok);
    QVERIFY(!driver.window->isVisible());

    // Nothing runs once the program has ended, not even a click.
    driver.window->show();
    driver.click(QStringLiteral("Clear"));
    QVERIFY(driver.text(QStringLiteral("Status")).isEmpty());
}

void TestStartup::inhibitSwitchIsTheWholeArgument_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("inhibit");
    QTest::newRow("exact") << "-InhibitErrorCheck" << 1;
    QTest::newRow("none") << "" << 0;
    QTest::newRow("other case") << "-inhibiterrorcheck" << 0;
    QTest::newRow("with another argument") << "-InhibitErrorCheck x" << 0;
    QTest::newRow("with a space before") << " -InhibitErrorCheck" << 0;
}

void TestStartup::inhibitSwitchIsTheWholeArgument()
{
    QFETCH(QString, arguments);
    QFETCH(int, inhibit);
    WindowDriver driver(QLocale(QLocale::English, QLocale::UnitedKingdom), arguments);
    QVERIFY(driver.start());
    QCOMPARE(driver.window->InhibitErrorCheck, inhibit);
}

void TestStartup::windowStartsTitledAndEmpty()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    QVERIFY(driver.window->isVisible());
    QCOMPARE(driver.window->windowTitle(), QStringLiteral("Aquabill"));
    QVERIFY(!driver.window->Loading);
    QVERIFY(!driver.ticked(QStringLiteral("NoHistory")));
    QVERIFY(!driver.find<QPushButton>(QStringLiteral("Save"))->isEnabled());
    // Start-up replaces every design-time unit caption.
    QCOMPARE(driver.text(QStringLiteral("WVChargeL")), QStringLiteral("/Cu m"));
    QCOMPARE(driver.text(QStringLiteral("UDayL")), QStringLiteral("Litres/Day:"));
    QVERIFY(driver.text(QStringLiteral("PRateH")) != QStringLiteral("/ 6m"));
}

void TestStartup::comingBackFromAnotherWindowDoesNotReactivate()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.click(QStringLiteral("OnTop"));
    const qsizetype placements = driver.platform.onTopCalls.size();

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(driver.window.get(), &activate);
    QCOMPARE(driver.platform.onTopCalls.size(), placements);
}

namespace {

// The boxes of a window in the middle of its work, so every dump line has data
// and an empty box shows as two separators in a row.
const QStringList workingBoxes = {
    "NormalR1=£1.2345", "NormalR2=£2.00", "SCharge=£37.50", "Disc1=", "Disc2=£3.00", "CheapR=£42.75",
    "VAT=20", "BPoint=95", "PRate=2", "Date1=05/06/2026", "Date2=05/12/2026", "NRead1=100", "NRead2=250",
    "TDays=183", "R1Units=150", "R2Units=142.5", "NR1Cost=£185.18", "NR2Cost=£285.00", "TSCharge=£37.50",
    "TFCharge=£80.25", "TCost=£550.43", "VCost=£110.09", "D2Cost=-£3.00", "TVCost=£657.52", "CDay=£3.59",
    "UDay=819.7", "CRCost=£42.75", "TDaysP=365", "R1UnitsP=299.2", "TVCostP=£1,312.10", "CRCostP=£85.50"};

}  // namespace

void TestStartup::fatalErrorAppendsTheDumpAndEnds_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("step");
    QTest::newRow("calculation") << "Calculation Error" << 103;
    QTest::newRow("clearing") << "Clear Error" << 221;
}

void TestStartup::fatalErrorAppendsTheDumpAndEnds()
{
    QFETCH(QString, title);
    QFETCH(int, step);
    WindowDriver driver;
    QVERIFY(driver.start());
    if (!driver.folder.exists(QStringLiteral("Log/Aquabill.log")))
        driver.folder.write(QStringLiteral("Log/Aquabill.log"), QByteArray());
    // Ticking a mode box empties the results, so it comes first.
    AquabillMain::setValue(driver.find<QCheckBox>(QStringLiteral("Period")), 1);
    const QByteArray before = driver.folder.read(QStringLiteral("Log/Aquabill.log"));
    for (const QString &item : workingBoxes) {
        const QStringList parts = item.split(QLatin1Char('='));
        driver.find<QLineEdit>(parts.at(0))->setText(parts.at(1));
    }
    driver.find<QPlainTextEdit>(QStringLiteral("Notes"))->setPlainText(QStringLiteral("Estimated"));
    driver.window->ConfigEcho = QStringLiteral("Aquabill Configuration\r\n----------------------\r\n[Run]\r\n\r\n");
    driver.platform.setNow(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 59)));

    QVERIFY_THROWS_EXCEPTION(ProgramEnd, driver.window->FatalError(title, step));

    const QByteArray dump = driver.folder.read(QStringLiteral("Log/Aquabill.log")).mid(before.size());
    const QByteArray expected = QStringLiteral(
        "06/12/2026 09:05\r\n"
        "Log/Aquabill.log\r\nVersion 3.5\r\n\r\n"
        "******** %1 %2 ********\r\n\r\n"
        "Dump of configuration file and available program data follows:\r\n\r\n\r\n"
        "Aquabill Configuration\r\n----------------------\r\n[Run]\r\n\r\n\r\n\r\n"
        "Program Defaults\r\n----------------\r\n"
        "£1.2345, £2.00, £37.50, , £3.00, £42.75, 20, 95, 2\r\n, 0, 1, 0, 0, 0, 0\r\n, 0\r\n\r\n"
        "Program Data\r\n------------\r\n"
        "05/06/2026, 05/12/2026, 100, 250, \r\nEstimated\r\n\r\n"
        "Program Actual\r\n--------------\r\n"
        "183, 150, 142.5, £185.18, £285.00, £37.50, £80.25, , £550.43, £110.09, -£3.00, £657.52, £3.59, 819.7\r\n\r\n"
        "Program Predicted\r\n-----------------\r\n"
        "365, 299.2, , , , , , , , , , £1,312.10\r\n\r\n"
        "***** End of Error Dump *****\r\n\r\n\r\n")
        .arg(title).arg(step).toLatin1();
    // Line by line, so a difference names the line it is in.
    QCOMPARE(dump.split('\n'), expected.split('\n'));

    const ScriptedPlatform::Shown shown = driver.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Aquabill Fatal Error"));
    QCOMPARE(shown.text, QStringLiteral("Error Number %1\r\nA Fatal %2 Has Occurred\r\nThe Program Will Now Terminate")
                             .arg(step).arg(title));
    QCOMPARE(shown.icon, platform::Icon::Critical);
}

void TestStartup::fatalErrorWithoutAResultsLogOnlyTellsTheUser()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    QFile::remove(QStringLiteral("Log/Aquabill.log"));
    QVERIFY_THROWS_EXCEPTION(ProgramEnd, driver.window->FatalError(QStringLiteral("Check Error"), 131));
    QVERIFY(!driver.folder.exists(QStringLiteral("Log/Aquabill.log")));
    QCOMPARE(driver.lastMessage().title, QStringLiteral("Aquabill Fatal Error"));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
