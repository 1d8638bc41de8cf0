#include "support/window_driver.h"

#include "app/about_window.h"
#include "app/clickable_label.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

// The small commands of the window: Clear and the status line, Exit and the
// close button, the option boxes, Help, the maker's pages and About.
class TestWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void clearEmptiesTheReadingsAndTheStatusFades();
    void exitAndCloseEndTheProgramAtOnce_data();
    void exitAndCloseEndTheProgramAtOnce();
    void onTopAndAutoSaveAct();
    void helpOpensThePage_data();
    void helpOpensThePage();
    void webPagesAreUnderTheMakersSite_data();
    void webPagesAreUnderTheMakersSite();
    void aboutShowsTheProgramAndReactivatesTheWindow_data();
    void aboutShowsTheProgramAndReactivatesTheWindow();
};

namespace {

const QString refusal = QStringLiteral("Unable to launch Browser.");

// Runs `whileOpen` on the About window once it is up, then closes it with its
// Exit button; the modal loop of About_Click returns after that.
void withAboutOpen(WindowDriver &driver, const std::function<void(frmAbout *)> &whileOpen, bool *seen)
{
    *seen = false;
    QTimer::singleShot(0, driver.window.get(), [&driver, whileOpen, seen] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!about)
            return;
        *seen = true;
        whileOpen(about);
        QTest::mouseClick(about->ExitAbout, Qt::LeftButton);
    });
    driver.click(QStringLiteral("About"));
}

}  // namespace

void TestWindowCommands::clearEmptiesTheReadingsAndTheStatusFades()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.type(QStringLiteral("Date1"), QStringLiteral("01/06/2019"));
    driver.type(QStringLiteral("NRead2"), QStringLiteral("1234"));
    driver.type(QStringLiteral("Notes"), QStringLiteral("kitchen meter"));
    driver.find<QLineEdit>(QStringLiteral("TCost"))->setText(QStringLiteral("£5.00"));
    driver.find<QLineEdit>(QStringLiteral("TDaysP"))->setText(QStringLiteral("183"));
    driver.window->InputSignature = QStringLiteral("inputs");
    driver.window->LastCalcSignature = QStringLiteral("inputs");
    driver.find<QPushButton>(QStringLiteral("Save"))->setEnabled(true);
    driver.find<QLineEdit>(QStringLiteral("NormalR1"))->setText(QStringLiteral("£1.5"));

    driver.click(QStringLiteral("Clear"));

    for (const char *box : {"Date1", "NRead2", "Notes", "TCost", "TDaysP"})
        QVERIFY2(driver.text(box).isEmpty(), box);
    QVERIFY(driver.window->InputSignature.isEmpty());
    QVERIFY(driver.window->LastCalcSignature.isEmpty());
    QVERIFY(!driver.find<QPushButton>(QStringLiteral("Save"))->isEnabled());
    QCOMPARE(driver.window->focusWidget(), driver.find(QStringLiteral("Date1")));
    // The tariff is checked and shown in its usual form again (needs the settings check).
    QCOMPARE(driver.text(QStringLiteral("NormalR1")), QStringLiteral("£1.5000"));

    QCOMPARE(driver.text(QStringLiteral("Status")), QStringLiteral("Data Cleared"));
    auto *timer = driver.window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(driver.text(QStringLiteral("Status")).isEmpty(), 4000);
    QVERIFY(!timer->isActive());
}

void TestWindowCommands::exitAndCloseEndTheProgramAtOnce_data()
{
    QTest::addColumn<bool>("byCloseButton");
    QTest::newRow("Exit") << false;
    QTest::newRow("close button") << true;
}

void TestWindowCommands::exitAndCloseEndTheProgramAtOnce()
{
    QFETCH(bool, byCloseButton);
    WindowDriver driver;
    QVERIFY(driver.start());
    driver.type(QStringLiteral("SCharge"), QStringLiteral("40"));
    const QByteArray configuration = driver.folder.read(QStringLiteral("Data/Aquabill.ini"));
    const QByteArray log = driver.folder.read(QStringLiteral("Log/Aquabill.log"));
    const qsizetype messages = driver.platform.shown.size();

    if (byCloseButton)
        QVERIFY(driver.window->close());
    else
        driver.click(QStringLiteral("Exit"));

    QVERIFY(driver.window->hasEnded());
    QCOMPARE(driver.window->exitCode(), 0);
    QCOMPARE(driver.platform.quitCodes, QList<int>{0});
    QCOMPARE(driver.platform.shown.size(), messages);
    QCOMPARE(driver.folder.read(QStringLiteral("Data/Aquabill.ini")), configuration);
    QCOMPARE(driver.folder.read(QStringLiteral("Log/Aquabill.log")), log);
}

void TestWindowCommands::onTopAndAutoSaveAct()
{
    WindowDriver driver;
    QVERIFY(driver.start());
    QCOMPARE(driver.window->RunOnTopSetting, 1);
    driver.click(QStringLiteral("OnTop"));
    QCOMPARE(driver.window->RunOnTopSetting, 2);
    QCOMPARE(driver.platform.onTopCalls.last(), true);
    driver.click(QStringLiteral("OnTop"));
    QCOMPARE(driver.window->RunOnTopSetting, 1);
    QCOMPARE(driver.platform.onTopCalls.last(), false);

    // Ticking Auto Save takes Save away even from a calculation waiting to be
    // saved; unticking leaves it away until the next calculation.
    auto *save = driver.find<QPushButton>(QStringLiteral("Save"));
    save->setEnabled(true);
    driver.click(QStringLiteral("AutoSave"));
    QVERIFY(!save->isEnabled());
    driver.click(QStringLiteral("AutoSave"));
    QVERIFY(!driver.ticked(QStringLiteral("AutoSave")));
    QVERIFY(!save->isEnabled());
}

void TestWindowCommands::helpOpensThePage_data()
{
    QTest::addColumn<bool>("pagePresent");
    QTest::addColumn<bool>("viewerStarts");
    QTest::addColumn<QString>("title");  // of the message, empty for none
    QTest::addColumn<QString>("text");
    QTest::newRow("page opened") << true << true << "" << "";
    QTest::newRow("viewer refuses") << true << false << "Aquabill Error" << refusal;
    QTest::newRow("page missing") << false << true << "Aquabill Help File Error"
                                  << "The help file is either missing or\r\ncorrupted. Reinstall the program\r\n"
                                     "to correct the error.\r\n";
}

void TestWindowCommands::helpOpensThePage()
{
    QFETCH(bool, pagePresent);
    QFETCH(bool, viewerStarts);
    QFETCH(QString, title);
    QFETCH(QString, text);
    WindowDriver driver;
    QVERIFY(driver.start());
    if (!pagePresent)
        QVERIFY(QFile::remove(QStringLiteral("Help/index.htm")));
    if (!viewerStarts)
        driver.platform.failDesktopRequests();
    const qsizetype messages = driver.platform.shown.size();

    driver.click(QStringLiteral("Help1"));

    QCOMPARE(driver.platform.documents,
             pagePresent ? QStringList{QStringLiteral("Help/index.htm")} : QStringList{});
    if (title.isEmpty()) {
        QCOMPARE(driver.platform.shown.size(), messages);
    } else {
        QCOMPARE(driver.platform.shown.size(), messages + 1);
        QCOMPARE(driver.lastMessage().title, title);
        QCOMPARE(driver.lastMessage().text, text);
        QCOMPARE(driver.lastMessage().buttons, platform::Buttons::Ok);
        if (!pagePresent)
            QCOMPARE(driver.lastMessage().icon, platform::Icon::Exclamation);
    }
    QVERIFY(!driver.window->hasEnded());
}

void TestWindowCommands::webPagesAreUnderTheMakersSite_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("browserStarts");
    QTest::addColumn<QString>("address");
    const QString site = QStringLiteral("https://www.tarnell.example/");
    const QString update = site + QStringLiteral("software/misc/update.htm?ID=7&Ver=3.5");
    QTest::newRow("update") << "Update" << true << update;
    QTest::newRow("logo") << "Logo" << true << site;
    QTest::newRow("about's web address") << "Website" << true << site;
    QTest::newRow("update refused") << "Update" << false << update;
    QTest::newRow("about's web address refused") << "Website" << false << site;
}

void TestWindowCommands::webPagesAreUnderTheMakersSite()
{
    QFETCH(QString, control);
    QFETCH(bool, browserStarts);
    QFETCH(QString, address);
    WindowDriver driver;
    QVERIFY(driver.start());
    if (!browserStarts)
        driver.platform.failDesktopRequests();
    const qsizetype messages = driver.platform.shown.size();

    if (control == QStringLiteral("Website")) {
        bool seen = false;
        withAboutOpen(driver, [](frmAbout *about) { QTest::mouseClick(about->Website, Qt::LeftButton); }, &seen);
        QVERIFY(seen);
    } else {
        driver.click(control);
    }

    QCOMPARE(driver.platform.urls, QStringList{address});
    if (browserStarts) {
        QCOMPARE(driver.platform.shown.size(), messages);
    } else {
        QCOMPARE(driver.platform.shown.size(), messages + 1);
        QCOMPARE(driver.lastMessage().title, QStringLiteral("Aquabill Error"));
        QCOMPARE(driver.lastMessage().text, refusal);
    }
    QVERIFY(!driver.window->hasEnded());
}

void TestWindowCommands::aboutShowsTheProgramAndReactivatesTheWindow_data()
{
    QTest::addColumn<bool>("onTop");
    QTest::newRow("normal window") << false;
    QTest::newRow("kept on top") << true;
}

void TestWindowCommands::aboutShowsTheProgramAndReactivatesTheWindow()
{
    QFETCH(bool, onTop);
    WindowDriver driver;
    QVERIFY(driver.start());
    if (onTop)
        driver.click(QStringLiteral("OnTop"));
    auto *save = driver.find<QPushButton>(QStringLiteral("Save"));
    save->setEnabled(true);
    driver.find<QLabel>(QStringLiteral("Status"))->clear();
    const qsizetype placements = driver.platform.onTopCalls.size();

    QStringList shown;
    qsizetype placementsWhileOpen = 0;
    bool saveEnabledWhileOpen = false;
    QColor corner;
    bool seen = false;
    withAboutOpen(driver, [&](frmAbout *about) {
        shown << about->objectName() << about->windowTitle() << about->ProgName->text()
              << about->ProgVersion->text() << about->Website->text() << about->ExitAbout->text()
              << about->ExitAbout->toolTip() << about->Label3->text();
        placementsWhileOpen = driver.platform.onTopCalls.size();
        saveEnabledWhileOpen = save->isEnabled();
        QVERIFY(about->isModal());
        corner = about->grab().toImage().pixelColor(2, 2);
    }, &seen);

    QVERIFY(seen);
    QCOMPARE(shown, (QStringList{"frmAbout", "About Aquabill", "Aquabill", "Version 3.5", "www.tarnell.example",
                                 "&Exit", "Close Aquabill About Screen", ""}));
    // The picture fills the window behind its controls: a pale sky at the top.
    QVERIFY2(corner.blue() > 200 && corner.red() > 200 && corner.red() < 250, qPrintable(corner.name()));
    QVERIFY(saveEnabledWhileOpen);
    // The About window goes on top only with the option, and so does the main
    // window once it is active again.
    QCOMPARE(placementsWhileOpen, placements + (onTop ? 1 : 0));
    QCOMPARE(driver.platform.onTopCalls.size(), placements + (onTop ? 2 : 0));

    // Closing it activated the main window again: Save is off and the last
    // reading was looked for.
    QVERIFY(!save->isEnabled());
    QVERIFY(!driver.text(QStringLiteral("Status")).isEmpty());
    QVERIFY(!driver.window->hasEnded());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
