#include "support/window_driver.h"

#include "app/about_window.h"
#include "app/clickable_label.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

class TestWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void clearEmptiesTheReadingsAndTheStatusFades()
    {
        WindowDriver driver;
        QVERIFY(driver.start());
        driver.type("Date2", "01/06/2019");
        driver.find<QLineEdit>("TCost")->setText("£5.00");
        driver.find<QPushButton>("Save")->setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(driver.text("Status").isEmpty(), 4000);  // the start's own status has faded
        QElapsedTimer sinceClear;
        sinceClear.start();
        driver.click("Clear");
        // The tariff stays, checked and dressed again.
        QCOMPARE(driver.state({"Date2", "TCost", "Save", "Status", "NormalR1"}),
                 (QStringList{"Date2=", "TCost=", "Save=disabled", "Status=Data Cleared", "NormalR1=£1.2345"}));
        QCOMPARE(driver.window->focusWidget(), driver.find("Date1"));
        // The status fades about two seconds after the command, not at once; measured
        // from the click, so a slow machine cannot make it look early.
        QTRY_VERIFY_WITH_TIMEOUT(driver.text("Status").isEmpty(), 4000);
        QVERIFY2(sinceClear.elapsed() >= 1900, qPrintable(QString::number(sinceClear.elapsed())));
    }

    void helpUpdateTheLogoAndExitAskTheDesktop()
    {
        WindowDriver driver;
        QVERIFY(driver.start());
        // The logo opens the web site, so the pointer turns into a hand over it, as over a link.
        QCOMPARE(driver.find("Logo")->cursor().shape(), Qt::PointingHandCursor);
        driver.enter({"Help1", "Update", "Logo"});
        QCOMPARE(driver.messages(), QStringList());
        driver.platform.failDesktopRequests();
        driver.enter({"Help1", "Update"});
        QVERIFY(QFile::remove("Help/index.htm"));
        driver.enter({"Help1", "Exit"});
        const QString update = SiteBase + "software/misc/update.htm?ID=7&Ver=3.5";
        QCOMPARE(driver.platform.documents + driver.platform.urls,
                 (QStringList{"Help/index.htm", "Help/index.htm", update, SiteBase, update}));
        const QString refused = "Aquabill Error: Unable to launch Browser.";
        QCOMPARE(driver.messages(), (QStringList{refused, refused, "Aquabill Help File Error: The help file is either "
                                                 "missing or\r\ncorrupted. Reinstall the program\r\nto correct the error.\r\n"}));
        QCOMPARE(driver.platform.quitCodes, QList<int>{0});
    }

    void optionBoxesAndAbout()
    {
        WindowDriver driver;
        QVERIFY(driver.start());
        // An unsaved calculation, and a reading typed for the next one.
        driver.enter({"Date1=01/06/2019", "NRead1=1000", "Date2=01/12/2019", "NRead2=1234.5", "Calc", "Notes=typed",
                      "OnTop"});
        const QStringList unsaved = {"Date1=01/06/2019", "NRead2=1234.5", "Notes=typed", "TDays=183", "Save=enabled"};
        QStringList seen;
        QTimer::singleShot(0, driver.window.get(), [&] {
            auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            QVERIFY(about);
            // The web address reads as a link: underlined, inked in green, and a hand to point at it.
            const QImage link = about->Website->grab().toImage();
            QColor ink = Qt::white;  // its darkest pixel
            for (int y = 0; y < link.height(); ++y)
                for (int x = 0; x < link.width(); ++x)
                    if (link.pixelColor(x, y).lightness() < ink.lightness())
                        ink = link.pixelColor(x, y);
            // It carries its control name, as every window and control does.
            seen << about->objectName() + ": " + about->windowTitle() << about->ProgName->text() << about->ProgVersion->text()
                 << about->Website->text() + (about->Website->font().underline() ? ", underlined" : "")
                        + (ink.green() > 2 * std::max(ink.red(), ink.blue()) ? ", green" : ", not green")
                        + (about->Website->cursor().shape() == Qt::PointingHandCursor ? ", a hand" : ", an arrow");
            // A box of one size, the name in larger type than the version, and the version than the link.
            const auto points = [](const QWidget *label) { return label->font().pointSizeF(); };
            seen << QString("%1x%2, %3").arg(about->width()).arg(about->height())
                        .arg(about->minimumSize() == about->maximumSize() ? "fixed" : "resizable")
                 << (points(about->ProgName) > points(about->ProgVersion) && points(about->ProgVersion) > points(about->Website)
                         ? "name largest" : "sizes off");
            // Exit sits centred under the white panel, wholly inside the box.
            const QRect exit = about->ExitAbout->geometry();
            seen << (exit.top() > about->Label3->geometry().bottom() && about->rect().contains(exit)
                             && exit.center().x() == about->rect().center().x()
                         ? "Exit centred below" : "Exit misplaced");
            QTest::mouseClick(about->Website, Qt::LeftButton);
            // Enter closes it, as Exit does.
            QTest::keyClick(about, Qt::Key_Return);
            seen << (about->isVisible() ? "open after Enter" : "closed by Enter");
            if (about->isVisible())
                QTest::mouseClick(about->ExitAbout, Qt::LeftButton);
        });
        driver.click("About");
        QCOMPARE(seen, (QStringList{"frmAbout: About Aquabill", "Aquabill", "Version 3.5",
                                    "www.tarnell.example, underlined, green, a hand", "164x312, fixed", "name largest",
                                    "Exit centred below", "closed by Enter"}));
        // The box put the window on top, About followed, and closing About put the window back on top,
        // leaving everything else as it was.
        QCOMPARE(driver.platform.onTopCalls, (QList<bool>{true, true, true}));
        QCOMPARE(driver.state(unsaved), unsaved);
        driver.click("AutoSave");
        QCOMPARE(driver.state({"Save"}) + driver.platform.urls, (QStringList{"Save=disabled", SiteBase}));
        // Unticked, the box takes the window off the top, and About no longer goes there.
        driver.click("OnTop");
        QTimer::singleShot(0, driver.window.get(), [] {
            if (QWidget *about = QApplication::activeModalWidget())
                about->close();
        });
        driver.click("About");
        QCOMPARE(driver.platform.onTopCalls, (QList<bool>{true, true, true, false}));
    }

    void desktopPutsTheWindowOnTop_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("shown, put on top") << true << true;
        QTest::newRow("shown, taken off the top") << true << false;
        QTest::newRow("not yet shown") << false << true;
    }

    // Changing the flag hides a window: the desktop shows it again where it was, and puts
    // back the window's own rule on taking the focus, set aside only to show it again.
    void desktopPutsTheWindowOnTop()
    {
        QFETCH(bool, shown);
        QFETCH(bool, onTop);
        WindowDriver driver;
        QVERIFY(driver.start());
        QWidget *window = driver.window.get();
        window->setVisible(shown);
        window->move(40, 30);
        platform::QtPlatform().placeOnTop(window, !onTop);
        platform::QtPlatform().placeOnTop(window, onTop);
        QCOMPARE(window->isVisible(), shown);
        QCOMPARE(window->pos(), QPoint(40, 30));
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QVERIFY(!window->testAttribute(Qt::WA_ShowWithoutActivating));
    }
};

QTEST_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
