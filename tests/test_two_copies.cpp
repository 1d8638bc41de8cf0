#include "support/program_folder.h"

#include "records/history_layout.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

// Two copies of the program save into one folder at the same moment; the
// history log must then read as if they had taken turns.
class TestTwoCopies : public QObject {
    Q_OBJECT

private slots:
    void savingAtOnceLosesNothing()
    {
        constexpr int entries = 50;
        ProgramFolder folder;
        QList<QProcess *> copies;
        for (const QString &name : {u"A"_s, u"B"_s}) {
            auto *copy = new QProcess(this);
            copy->setWorkingDirectory(folder.path());
            copy->setProcessChannelMode(QProcess::ForwardedChannels);
            copy->start(qEnvironmentVariable("AQUABILL_SAVE_COPY"), {name, QString::number(entries)});
            copies << copy;
        }
        QTRY_VERIFY_WITH_TIMEOUT(folder.exists(u"ready-A"_s) && folder.exists(u"ready-B"_s), 60000);
        folder.write(u"go"_s, {});
        for (QProcess *copy : copies) {
            QVERIFY(copy->waitForFinished(100000));
            QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->exitCode(), 0);
        }

        const QByteArray log = folder.read(u"Log/Aquabill_H.log"_s);
        QVERIFY(log.endsWith("\r\n"));
        const QStringList lines = QString::fromLatin1(log.chopped(2)).split(u"\r\n"_s);
        const QStringList heading = records::history::headingLines(u"VAT"_s);
        // Replays the layout rule over the file: each entry must stand where a
        // copy saving alone would have put it, with nothing between.
        qint64 count = records::history::HeaderLines;
        QMap<QString, int> next{{u"A"_s, 0}, {u"B"_s, 0}};
        QString tariff;
        const QRegularExpression entry(u"^ *([AB])-(\\d+|start), *(\\d+), (.*)$"_s);
        while (count < lines.size()) {
            if (records::history::headingDueAt(count)) {
                QCOMPARE(lines.mid(count, 5), QStringList{QString()} + heading);
                count += 5;
            }
            const QRegularExpressionMatch match = entry.match(lines.value(count));
            QVERIFY2(match.hasMatch() && lines.at(count).size() == 99, qPrintable(lines.value(count)));
            if (count == records::history::HeaderLines) {
                QCOMPARE(match.captured(2), u"start"_s);  // the opening entry
            } else {
                // Each copy's entries come whole, once, in the order it saved them.
                int &expected = next[match.captured(1)];
                QCOMPARE(match.captured(2), QString::number(expected));
                QCOMPARE(match.captured(3), QString::number(expected));
                ++expected;
                if (tariff.isEmpty())
                    tariff = match.captured(4);
                QCOMPARE(match.captured(4), tariff);
            }
            ++count;
        }
        QCOMPARE(next, (QMap<QString, int>{{u"A"_s, entries}, {u"B"_s, entries}}));
        QCOMPARE(folder.read(u"Log/Aquabill.log"_s).count("Cost To Date ("), 2 * entries);
    }
};

QTEST_MAIN(TestTwoCopies)
#include "test_two_copies.moc"
