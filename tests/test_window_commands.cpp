#include "support/window_driver.h"

#include "app/about_window.h"
#include "app/clickable_label.h"

#include <QApplication>
#include <QtTest>

// The small commands of the window: Clear and the status line, Exit and the
// close button, the option boxes, Help, the maker's pages and About.
class TestWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void clearEmptiesTheReadingsAndTheStatusFades()
    {
        WindowDriver driver;
        QVERIFY(driver.start());
        driver.type("Date1", "01/06/2019");
        driver.find<QLineEdit>("TCost")->setText("£5.00");
        driver.find<QPushButton>("Save")->setEnabled(true);

        driver.click("Clear");
        QCOMPARE(driver.text("Date1") + driver.text("TCost"), QString());  // readings and results
        QVERIFY(!driver.find<QPushButton>("Save")->isEnabled());
        QCOMPARE(driver.window->focusWidget(), driver.find("Date1"));
        QCOMPARE(driver.text("Status"), "Data Cleared");
        QTRY_VERIFY_WITH_TIMEOUT(driver.text("Status").isEmpty(), 4000);
    }

    void commandsAskTheDesktop_data()
    {
        QTest::addColumn<QString>("control");  // none: the window's close button
        QTest::addColumn<QStringList>("requests");  // documents and web pages opened, then quits
        QTest::addColumn<QStringList>("message");  // title and text; the desktop refuses when it says so
        const QStringList refused = {"Aquabill Error", "Unable to launch Browser."};
        QTest::newRow("help") << "Help1" << QStringList{"Help/index.htm"} << QStringList();
        QTest::newRow("help viewer refuses") << "Help1" << QStringList{"Help/index.htm"} << refused;
        QTest::newRow("help page missing") << "Help1" << QStringList() << QStringList{"Aquabill Help File Error",
            "The help file is either missing or\r\ncorrupted. Reinstall the program\r\nto correct the error.\r\n"};
        QTest::newRow("update") << "Update" << QStringList{SiteBase + "software/misc/update.htm?ID=7&Ver=3.5"} << QStringList();
        QTest::newRow("update refused") << "Update" << QStringList{SiteBase + "software/misc/update.htm?ID=7&Ver=3.5"} << refused;
        QTest::newRow("logo") << "Logo" << QStringList{SiteBase} << QStringList();
        // Ending asks nothing.
        QTest::newRow("exit") << "Exit" << QStringList{"quit 0"} << QStringList();
        QTest::newRow("close button") << "" << QStringList{"quit 0"} << QStringList();
    }

    void commandsAskTheDesktop()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, requests);
        QFETCH(QStringList, message);
        WindowDriver driver;
        QVERIFY(driver.start());
        if (requests.isEmpty())  // only Help without its page asks the desktop for nothing
            QVERIFY(QFile::remove("Help/index.htm"));
        if (message.contains("Unable to launch Browser."))
            driver.platform.failDesktopRequests();
        control.isEmpty() ? void(driver.window->close()) : driver.click(control);
        QStringList asked = driver.platform.documents + driver.platform.urls;
        for (const int code : driver.platform.quitCodes)
            asked << "quit " + QString::number(code);
        QCOMPARE(asked, requests);
        const auto shown = driver.lastMessage();
        QCOMPARE((shown.text.isEmpty() ? QStringList() : QStringList{shown.title, shown.text}), message);
    }

    void optionBoxesAndAbout()
    {
        WindowDriver driver;
        QVERIFY(driver.start());
        auto *save = driver.find<QPushButton>("Save");
        // Ticked first, then unticked again; the About window goes on top only with the box.
        for (const bool onTop : {true, false}) {
            const qsizetype before = driver.platform.onTopCalls.size();
            driver.click("OnTop");
            save->setEnabled(true);

            QStringList seen;
            QTimer::singleShot(0, driver.window.get(), [&] {
                auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
                QVERIFY(about);
                seen << about->windowTitle() << about->ProgName->text() << about->ProgVersion->text()
                     << QString::number(driver.platform.onTopCalls.size() - before) << QString::number(save->isEnabled());
                QTest::mouseClick(about->Website, Qt::LeftButton);
                QTest::mouseClick(about->ExitAbout, Qt::LeftButton);
            });
            driver.click("About");
            QCOMPARE(seen, (QStringList{"About Aquabill", "Aquabill", "Version 3.5", onTop ? "2" : "1", "1"}));
            // The box placed the main window, the About window followed it, and closing
            // About activated the main window again: placed once more with the box, and Save off.
            QCOMPARE(driver.platform.onTopCalls.mid(before), (onTop ? QList<bool>{true, true, true} : QList<bool>{false}));
            QVERIFY(!save->isEnabled());
        }
        QCOMPARE(driver.platform.urls, QStringList(2, SiteBase));

        // Auto Save takes Save away even from a calculation waiting to be saved;
        // unticking brings it back only with the next calculation.
        save->setEnabled(true);
        driver.click("AutoSave");
        QVERIFY(!save->isEnabled());
        driver.click("AutoSave");
        QVERIFY(!save->isEnabled());
    }
};

QTEST_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
