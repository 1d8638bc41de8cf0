#include "core/runtime_failure.h"
#include "settings/configuration_file.h"

#include <QtTest>

// The file's lines from a list; "<unreadable>" is a line whose read fails.
class ListReader : public platform::LineReader {
public:
    explicit ListReader(const QStringList &lines) : m_lines(lines) {}
    bool atEnd() override { return m_next == m_lines.size(); }
    std::optional<QString> readLine() override
    {
        const QString line = m_lines.at(m_next++);
        return line == "<unreadable>" ? std::nullopt : std::optional(line);
    }
    std::optional<QByteArrayView> readStoredLine() override { return std::nullopt; }
    qint64 position() const override { return 0; }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

static const QStringList shipped = {
    "# Aquabill Version 3.5", "# Configuration File", "# 05-Dec-26 10:15:42", "", "[Run]", "LogLevel=1",
    "RunOnTop=1", "", "[Data]", "Disc1=1", "Disc1PT=1", "Disc2=1", "Disc2FT=1", "Predict=13", "PSize=2",
    "SFCharge=1", "SVAllow=96", "SVRate=2.2345", "VRate=1", "VUnits=1", "WFCharge=38.5", "WVRate=1.2345"};

static QStringList shippedWith(const QString &from, const QStringList &to)
{
    QStringList lines = shipped;
    const qsizetype at = lines.indexOf(from);
    lines.remove(at);
    for (qsizetype i = 0; i < to.size(); ++i)
        lines.insert(at + i, to.at(i));
    return lines;
}

class TestConfigurationFile : public QObject {
    Q_OBJECT

private slots:
    // What a read leaves: a key the file lacks keeps the value held before.
    void reading_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");  // "item=value"; "failed" when the read throws
        QTest::addColumn<QString>("echo");           // the lines taken, before the closing blank lines
        const QString keys = "[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n[Data]\r\nDisc1=1\r\nDisc1PT=1\r\nDisc2=1\r\n"
                             "Disc2FT=1\r\nPredict=13\r\nPSize=2\r\nSFCharge=1\r\nSVAllow=96\r\nSVRate=2.2345\r\n"
                             "VRate=1\r\nVUnits=1\r\nWFCharge=38.5\r\nWVRate=1.2345";
        QTest::newRow("shipped") << shipped
            << QStringList{"complete", "discount1=0", "sewageAllowance=95", "sewageVolumeCharge=1.2345",
                           "waterVolumeCharge=1.2345", "predictionPeriods=12", "taxRate=0", "PSize=2", "VUnits=1"}
            << "\r\n" + keys;
        QTest::newRow("blanks around, junk values") << shippedWith("Disc1=1", {"  Disc1=5.5kg  ", "#Disc2=9"})
                .replaceInStrings("RunOnTop=1", "RunOnTop=2.5").replaceInStrings("PSize=2", "PSize=1.50x")
                .replaceInStrings("LogLevel=1", "LogLevel=1.5").replaceInStrings("SVAllow=96", "SVAllow=abc")
            << QStringList{"complete", "discount1=4.5", "RunOnTop=2", "PSize=1.5", "LogLevel=1.5",
                           "sewageAllowance=-1"}
            << "\r\n" + QString(keys).replace("LogLevel=1", "LogLevel=1.5").replace("RunOnTop=1", "RunOnTop=2.5")
                              .replace("Disc1=1\r", "Disc1=5.5kg\r").replace("PSize=2", "PSize=1.50x")
                              .replace("SVAllow=96", "SVAllow=abc");
        QTest::newRow("a key missing") << shippedWith("VRate=1", {})
            << QStringList{"1 key and 0 sections to find", "taxRate=held"}
            << "\r\n" + QString(keys).remove("\r\nVRate=1");
        QTest::newRow("a key twice for one missing, a tab, a blank before the equals sign")
            << shippedWith("VRate=1", {"VRate=21", "Disc2=3"})
                   .replaceInStrings("SVRate=2.2345", "\tSVRate=2").replaceInStrings("WFCharge=38.5", "WFCharge =9")
            << QStringList{"1 key and 0 sections to find", "taxRate=20", "discount2=2", "sewageVolumeCharge=held",
                           "waterFixedCharge=held"}
            << QString();
        QTest::newRow("sections in lower case") << QStringList(shipped).replaceInStrings("[Run]", "[run]")
            << QStringList{"0 keys and 1 sections to find"} << QString();
        QTest::newRow("unreadable line") << shippedWith("Disc2=1", {"<unreadable>"})
            << QStringList{"failed", "discount1=0", "discount2=held", "PSize=held"}
            << "\r\n[Run]\r\nLogLevel=1\r\nRunOnTop=1\r\n[Data]\r\nDisc1=1\r\nDisc1PT=1";
        QTest::newRow("options at the ends of 16 bits")
            << QStringList(shipped).replaceInStrings("VUnits=1", "VUnits=32767").replaceInStrings("RunOnTop=1", "RunOnTop=-32768")
            << QStringList{"complete", "VUnits=32767", "RunOnTop=-32768"} << QString();
        QTest::newRow("an option just past 16 bits") << QStringList(shipped).replaceInStrings("VUnits=1", "VUnits=32768")
            << QStringList{"failed", "taxRate=0", "VUnits=held", "waterFixedCharge=held"}
            << "\r\n" + keys.section("\r\nVUnits", 0, 0);
        QTest::newRow("an option just below 16 bits") << QStringList(shipped).replaceInStrings("RunOnTop=1", "RunOnTop=-32769")
            << QStringList{"failed", "RunOnTop=1", "taxRate=held"} << "\r\n[Run]\r\nLogLevel=1";
    }
    void reading()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QFETCH(QString, echo);
        settings::Configuration read;
        for (QString *text : {&read.tariff.discount2, &read.tariff.taxRate, &read.tariff.sewageVolumeCharge,
                              &read.tariff.waterFixedCharge, &read.options.PSize})
            *text = "held";
        read.options.VUnits = 7;
        read.echo = settings::echoHeading;
        ListReader reader(lines);
        bool failed = false;
        try {
            settings::readConfiguration(reader, read);
        } catch (const RuntimeFailure &) {
            failed = true;
        }

        const QMap<QString, QString> items = {
            {"discount1", read.tariff.discount1}, {"discount2", read.tariff.discount2},
            {"sewageAllowance", read.tariff.sewageAllowance}, {"sewageVolumeCharge", read.tariff.sewageVolumeCharge},
            {"waterVolumeCharge", read.tariff.waterVolumeCharge}, {"waterFixedCharge", read.tariff.waterFixedCharge},
            {"predictionPeriods", read.tariff.predictionPeriods}, {"taxRate", read.tariff.taxRate},
            {"PSize", read.options.PSize}, {"LogLevel", QString::number(read.options.LogLevel)},
            {"RunOnTop", QString::number(read.options.RunOnTop)},
            {"VUnits", read.options.VUnits == 7 ? "held" : QString::number(read.options.VUnits)}};
        QStringList found;
        for (const QString &item : expected) {
            const QString name = item.section('=', 0, 0);
            if (name == "failed")
                found << (failed ? name : "read whole");
            else if (name == "complete" || name.endsWith("to find"))
                found << (read.complete() ? QString("complete")
                                          : QString("%1 key%2 and %3 sections to find").arg(read.keysToFind)
                                                .arg(read.keysToFind == 1 ? "" : "s").arg(read.sectionsToFind));
            else
                found << name + '=' + items.value(name, "?");
        }
        QCOMPARE(found, expected);
        if (!echo.isNull())
            QCOMPARE(read.echo, settings::echoHeading + echo + (failed ? "" : "\r\n\r\n"));
    }

    // The ticks are stored one more than their states, the numbers one more
    // than shown, bar the water volume charge.
    void writing_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("tariff");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("shipped") << "en_GB"
            << QStringList{"1.2345", "37.50", "1.2345", "", "95.0", "", "", "", "12", "0", "1", "0", "0", "0", "0"}
            << shipped;
        QTest::newRow("options ticked and greyed, texts as they stand") << "de_DE"
            << QStringList{"£1.2345", "£37.50", "1e3", "0.5", "", "20.0", "15.00", "-1", "x", "1", "0", "1", "2", "1", "2"}
            << QStringList{"# Aquabill Version 3.5", "# Configuration File", "# 05-Dez-26 10:15:42", "", "[Run]",
                           "LogLevel=2", "RunOnTop=3", "", "[Data]", "Disc1=16", "Disc1PT=2", "Disc2=0", "Disc2FT=3",
                           "Predict=1", "PSize=1", "SFCharge=1.5", "SVAllow=1", "SVRate=1001", "VRate=21", "VUnits=2",
                           "WFCharge=1", "WVRate=£1.2345"};
    }
    void writing()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, tariff);
        QFETCH(QStringList, expected);
        calc::Tariff t{tariff[0], tariff[1], tariff[2], tariff[3], tariff[4], tariff[5], tariff[6], tariff[7],
                       tariff[8], tariff[9].toInt(), tariff[10].toInt(), tariff[11].toInt(), tariff[12].toInt(),
                       tariff[13].toInt(), tariff[14].toInt()};
        const QDateTime now(QDate(2026, 12, 5), QTime(10, 15, 42));
        QCOMPARE(settings::configurationText(t, now, QLocale(locale)).split("\r\n"), expected + QStringList{""});
    }

    // A stored option shows as the tick one less, rounded to the even state;
    // beyond the three states a box has is a failure.
    void ticks_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("tick");  // -1: a failure
        QTest::newRow("1") << "1" << 0;
        QTest::newRow("2") << "2" << 1;
        QTest::newRow("3.5, greyed") << "3.5" << 2;
        QTest::newRow("0.5, unticked") << "0.5" << 0;
        QTest::newRow("0.4") << "0.4" << -1;
        QTest::newRow("3.6") << "3.6" << -1;
        QTest::newRow("unreadable") << "1x" << -1;
    }
    void ticks()
    {
        QFETCH(QString, stored);
        QFETCH(int, tick);
        if (tick < 0) {
            QVERIFY_THROWS_EXCEPTION(RuntimeFailure, settings::tickFor(stored, QLocale("de_DE")));
            return;
        }
        QCOMPARE(settings::tickFor(stored, QLocale("de_DE")), tick);
        QCOMPARE(settings::tickFor(stored.toDouble()), tick);
    }
};

QTEST_APPLESS_MAIN(TestConfigurationFile)
#include "test_configuration_file.moc"
