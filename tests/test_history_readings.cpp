#include "calc/dates.h"
#include "platform/scripted_platform.h"
#include "records/history_readings.h"
#include "records/log_dates.h"
#include "support/program_folder.h"
#include "support/history_log.h"

#include <QBuffer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString history = historylog::path;
using historylog::headings;
using historylog::title;

QStringList described(const std::deque<records::ReadingInterval> &intervals)
{
    QStringList out;
    for (const records::ReadingInterval &i : intervals)
        out << u"%1 %2 %3 %4 %5"_s.arg(i.end.toString(Qt::ISODate)).arg(i.reading, 0, 'f', 2).arg(i.days)
                   .arg(i.units, 0, 'f', 2).arg(i.unitsPerDay, 0, 'f', 2);
    return out;
}

}  // namespace

// The saved readings read back from the history log as intervals.
class TestHistoryReadings : public QObject {
    Q_OBJECT

private slots:
    void intervals_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("keep");
        QTest::addColumn<qint64>("readings");
        QTest::addColumn<QStringList>("recent");
        QTest::addColumn<double>("median");
        QTest::addColumn<QStringList>("flagged");  // of the intervals kept, those over 1.5 times the median

        // Only the last two are kept, but the median is of all four, between
        // the middle two; a date written long counts as any other.
        QTest::newRow("last kept, median of all") << title + headings
                + " 01/03/2026,  1000.0\r\n 08/03/2026,  1007.0\r\n 15/03/2026,  1014.7\r\n"
                  "22-Mar-2026,  1035.7\r\n 29/03/2026,  1042.3\r\n"
            << 2 << qint64(5) << QStringList{"2026-03-22 1035.70 7 21.00 3000.00", "2026-03-29 1042.30 7 6.60 942.90"}
            << 1050.0 << QStringList{"2026-03-22"};
        // 2.1 units in 16 days is 131.25 a day, a half rounded away from
        // zero. Readings with two decimals keep the window's floating-point
        // rule: 1003.15 - 1002.1 is 1.0499999999999545 and shows as 1.0,
        // 1003.2 - 1003.15 is 0.0500000000000682 and shows as 0.1.
        QTest::newRow("halves and hundredths") << title + headings
                + " 01/03/2026,  1000.0\r\n 17/03/2026,  1002.1\r\n 20/03/2026, 1003.15\r\n 23/03/2026, 1003.2\r\n"
            << 60 << qint64(4)
            << QStringList{"2026-03-17 1002.10 16 2.10 131.30", "2026-03-20 1003.15 3 1.00 333.30",
                           "2026-03-23 1003.20 3 0.10 33.30"}
            << 131.3 << QStringList{"2026-03-20"};
        // Exactly one and a half times the median is not yet unusual.
        QTest::newRow("one and a half times the median") << title
                + " 01/03/2026,  1000.0\r\n 08/03/2026,  1007.0\r\n 15/03/2026,  1014.0\r\n 22/03/2026,  1024.5\r\n"
            << 60 << qint64(4)
            << QStringList{"2026-03-08 1007.00 7 7.00 1000.00", "2026-03-15 1014.00 7 7.00 1000.00",
                           "2026-03-22 1024.50 7 10.50 1500.00"}
            << 1000.0 << QStringList{};
        // A line edited by hand without the spaces after its commas reads the same.
        QTest::newRow("commas without spaces") << title + " 01/03/2026,  1000.0\r\n08/03/2026,1007.0,\xA3" "1.50\r\n"
            << 60 << qint64(2) << QStringList{"2026-03-08 1007.00 7 7.00 1000.00"} << 1000.0 << QStringList{};
        // So does one with blanks or a tab before its commas.
        QTest::newRow("blanks before the commas") << title + " 01/03/2026,  1000.0\r\n 08/03/2026 ,  1007.5\t,\xA3" "1.50\r\n"
            << 60 << qint64(2) << QStringList{"2026-03-08 1007.50 7 7.50 1071.40"} << 1071.4 << QStringList{};
        // A reading edited by hand reads as far as it is a number, as Get Last reads it.
        QTest::newRow("a letter after the point") << title + " 01/03/2026,  1000.0\r\n 08/03/2026,  1007.x\r\n"
            << 60 << qint64(2) << QStringList{"2026-03-08 1007.00 7 7.00 1000.00"} << 1000.0 << QStringList{};
        // The last reading is 2^63 + 1000: counted in whole tenths it would
        // wrap round to 1000.0.
        QTest::newRow("readings below one or of a million million are none")
            << title + " 01/03/2026,  0.5\r\n 02/03/2026,\r\n 03/03/2026, x\r\n 04/03/2026, 1000000000000\r\n"
                       " 05/03/2026, 9223372036854776808.0\r\n"
            << 60 << qint64(0) << QStringList{} << 0.0 << QStringList{};
        QTest::newRow("a reading of one is one") << title + " 01/03/2026,  1.0\r\n 08/03/2026,  8.0\r\n"
            << 60 << qint64(2) << QStringList{"2026-03-08 8.00 7 7.00 1000.00"} << 1000.0 << QStringList{};
    }

    void intervals()
    {
        QFETCH(QByteArray, log);
        QFETCH(int, keep);
        ProgramFolder folder;
        ScriptedPlatform desktop;
        folder.write(history, log);
        const std::optional<records::ReadingSummary> summary =
            records::summariseReadings(desktop, history, desktop.locale(), keep);
        QVERIFY(summary);
        QTEST(summary->readings, "readings");
        QTEST(described(summary->recent), "recent");
        QTEST(summary->median, "median");
        QStringList flagged;
        for (const records::ReadingInterval &i : summary->recent)
            if (summary->unusual(i.unitsPerDay))
                flagged << i.end.toString(Qt::ISODate);
        QTEST(flagged, "flagged");
    }

    // An export fails when the log cannot be read or the file does not take every row.
    void exportSaysWhenItFails()
    {
        ProgramFolder folder;
        ScriptedPlatform desktop;
        folder.write(history, title + " 01/03/2026,  1000.0\r\n 08/03/2026,  1007.0\r\n");
        QBuffer written, refusing, unread;
        QVERIFY(written.open(QIODevice::WriteOnly) && refusing.open(QIODevice::ReadOnly) && unread.open(QIODevice::WriteOnly));
        QVERIFY(records::writeIntervalsCsv(desktop, history, desktop.locale(), written));
        QVERIFY(written.data().endsWith("\r\n2026-03-08,1007.0,7,7.0,1000.0\r\n"));
        QVERIFY(!records::writeIntervalsCsv(desktop, history, desktop.locale(), refusing));
        QVERIFY(!records::writeIntervalsCsv(desktop, u"Log/none.log"_s, desktop.locale(), unread));
    }

    // Dates read by their learnt form must be exactly what the full parser
    // reads, whatever order the forms and the ambiguous dates come in.
    void datesReadAsTheFullParserReads_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("texts");
        const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
        QTest::newRow("day first") << uk << QStringList{"05/05/2026", "06/05/2026", "07/05/2026", "31/02/2026",
                                                        "13/12/2026", "12/13/2026", "1/2/26", "2/1/26", "1/2/30",
                                                        "2026-04-05", "2026-05-04", "2026-02-30", "00/01/2026"};
        QTest::newRow("month first") << QLocale(QLocale::English, QLocale::UnitedStates)
                                     << QStringList{"5/5/29", "5/6/29", "12/13/2026", "12/14/2026", "13/12/2026", "6/5/29"};
        QTest::newRow("month names") << uk << QStringList{"05-May-2026", "06-May-2026", "25-Mar-2026", "07-Jun-2026", "08-JUN-2026",
                                                          "09-Foo-2026", "31-Feb-2026", "2026-Jun-07", "05-May-26"};
        QTest::newRow("locale with names") << QLocale::c()
                                           << QStringList{"5 Jan 2000", "6 Jan 2000", "6 Feb 2000", "30 Feb 2000",
                                                          "6 Xyz 2000", "7 Jan 00", "7 January 2000"};
        QTest::newRow("dots") << QLocale(QLocale::German, QLocale::Germany)
                              << QStringList{"05.12.26", "06.12.26", "31.12.99", "05.12.2026", "32.12.26", "5.12"};
    }

    void datesReadAsTheFullParserReads()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, texts);
        records::LogDates logDates(locale, 2026);
        for (const QString &text : texts)
            QCOMPARE(logDates.read(text.toLatin1()), dates::parse(text, locale, 2026));
    }

    // Ten years of daily readings, every digit in every place, up to the end of
    // the present year: once its form is known, a date is read from its fields,
    // and a long log stays fast to chart.
    void aLogOfOneFormIsReadFromItsFields_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("fullParses");  // at most: the first dates, and each month name once
        QTest::newRow("digits") << "dd/MM/yyyy" << 2;
        // Four shapes, each learnt once a date has shown which field is the day;
        // in a year of two digits that can take a month.
        QTest::newRow("two-digit years, short days and months") << "d/M/yy" << 40;
        QTest::newRow("month names") << "dd-MMM-yyyy" << 12;
    }

    void aLogOfOneFormIsReadFromItsFields()
    {
        QFETCH(QString, format);
        QFETCH(int, fullParses);
        const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
        records::LogDates logDates(uk, 2026);
        for (QDate date(2017, 1, 1); date.year() <= 2026; date = date.addDays(1))
            QCOMPARE(logDates.read(uk.toString(date, format).toLatin1()), std::optional(date));
        QVERIFY2(logDates.fullParses() <= fullParses, qPrintable(QString::number(logDates.fullParses())));
    }
};

QTEST_MAIN(TestHistoryReadings)
#include "test_history_readings.moc"
