#include "records/history_entry.h"
#include "records/pending_entry.h"
#include "support/history_log.h"
#include "support/tariff_fields.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The worked example's tariff as the boxes show it after a calculation.
calc::Tariff workedTariff()
{
    calc::Tariff tariff{u"£1.5432"_s, u"£38.50"_s, u"£2.1034"_s, u"£42.75"_s, u"95.0"_s, u"17.5"_s, u"5.00"_s, u"£10.00"_s, u"2"_s};
    tariff.discount1Percent = 1;
    tariff.discount2Fixed = 1;
    return tariff;
}

const calc::Readings workedReadings{u"01/03/2019"_s, u"1234.0"_s, u"01/09/2019"_s, u"1290.5"_s, {}};
const QString workedEntry = u" 01/09/2019,  1290.5, £1.5432,  £38.50, £2.1034,  £42.75,  95.0%, 17.5%,    5.00%, F £10.00,  6 mth"_s;
const QString openingEntry = u" 01/03/2019,  1234.0,        ,        ,        ,        ,       ,      ,         ,         ,       "_s;

}  // namespace

// The history log's entry for a calculation and where it goes in the log.
class TestHistoryEntry : public QObject {
    Q_OBJECT

private slots:
    void entryLine_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("line");
        const QString rest = u", £1.5432,  £38.50, £2.1034,  £42.75,  95.0%, 17.5%,"_s;
        QTest::newRow("worked example") << u"en_GB"_s << QString() << workedEntry;
        QTest::newRow("no tax, no discounts") << u"en_GB"_s << u"taxRate=;discount1=;discount2=;discount2Fixed=0"_s
            << u" 01/09/2019,  1290.5, £1.5432,  £38.50, £2.1034,  £42.75,  95.0%,      ,         ,         ,  6 mth"_s;
        QTest::newRow("monthly, discounts as amounts") << u"en_GB"_s << u"monthly=1;discount1Percent=0;discount2Fixed=0"_s
            << u" 01/09/2019,  1290.5"_s + rest + u"     5.00,   £10.00,  1 mth"_s;
        // A greyed tick box is an option no box can show, not a ticked one.
        QTest::newRow("greyed options") << u"en_GB"_s << u"monthly=2;discount1Percent=2;discount2Fixed=2"_s
            << u" 01/09/2019,  1290.5"_s + rest + u"     5.00,   £10.00,  6 mth"_s;
        QTest::newRow("no allowance") << u"en_GB"_s << u"sewageAllowance="_s
            << u" 01/09/2019,  1290.5, £1.5432,  £38.50, £2.1034,  £42.75,       , 17.5%,    5.00%, F £10.00,  6 mth"_s;
        QTest::newRow("six-figure reading kept whole") << u"en_GB"_s << u"reading2=123456.7"_s
            << u" 01/09/2019, 123456.7"_s + rest + u"    5.00%, F £10.00,  6 mth"_s;
        QTest::newRow("long date in its eleven-character form") << u"hu_HU"_s << u"date2=2019. 09. 15."_s
            << u"15-sze-2019,  1290.5"_s + rest + u"    5.00%, F £10.00,  6 mth"_s;
        QTest::newRow("twelve characters, in eleven") << u"en_GB"_s << u"date2=15-Sept-2019"_s
            << u"15-Sep-2019,  1290.5"_s + rest + u"    5.00%, F £10.00,  6 mth"_s;
        QTest::newRow("eleven characters, as typed") << u"en_GB"_s << u"date2=15-sep-2019"_s
            << u"15-sep-2019,  1290.5"_s + rest + u"    5.00%, F £10.00,  6 mth"_s;
        QTest::newRow("long text that is no date, as typed") << u"en_GB"_s << u"date2=not a date at all"_s
            << u"not a date at all,  1290.5"_s + rest + u"    5.00%, F £10.00,  6 mth"_s;
    }

    void entryLine()
    {
        QFETCH(QString, locale);
        QFETCH(QString, changes);
        calc::Tariff tariff = workedTariff();
        calc::Readings readings = workedReadings;
        QCOMPARE(tariffFields::change(tariff, &readings, changes), QStringList());
        QTEST(records::history::entryLine(records::history::entryFor(tariff, readings, {QLocale(locale), 2026})), "line");
    }

    // What a save appends to a log of so many lines: the headings at the top
    // of each page, the opening reading into a log that holds none yet.
    void pendingText_data()
    {
        QTest::addColumn<qint64>("lines");
        QTest::addColumn<QString>("parts");  // H headings, O opening entry, E entry
        QTest::newRow("title block alone") << qint64(6) << u"HE"_s;
        QTest::newRow("title block and an empty line") << qint64(9) << u"HE"_s;
        QTest::newRow("new log") << qint64(11) << u"OE"_s;
        QTest::newRow("one entry") << qint64(12) << u"E"_s;
        QTest::newRow("first page one short of full") << qint64(48) << u"E"_s;
        QTest::newRow("first page full") << qint64(49) << u"HE"_s;
        QTest::newRow("under the second page's headings") << qint64(54) << u"E"_s;
        QTest::newRow("second page full") << qint64(89) << u"HE"_s;
        QTest::newRow("third page full") << qint64(129) << u"HE"_s;
    }

    void pendingText()
    {
        QFETCH(qint64, lines);
        QFETCH(QString, parts);
        const QString headings = QString::fromLatin1(historylog::headings);
        QString expected;
        for (const QChar part : parts)
            expected += part == u'H' ? headings : part == u'O' ? openingEntry + u"\r\n"_s : workedEntry;
        const calc::Context context{QLocale(u"en_GB"_s), 2026};
        namespace history = records::history;
        const QString text = history::pendingText(history::entryFor(workedTariff(), workedReadings, context),
                                                  history::openingEntryFor(workedReadings, context), lines, u"VAT"_s);
        QCOMPARE(text, expected);
        // Laid out again for the log it was made for, it stays as it is.
        QCOMPARE(history::laidOutFor(text, lines, u"Tax"_s), expected);
    }

    // Only what a save lays out is laid out again; any other text is left as it is.
    void otherTextsKeptAsTheyAre_data()
    {
        QTest::addColumn<QString>("text");
        const QString headings = QString::fromLatin1(historylog::headings);
        QTest::newRow("three entries") << openingEntry + u"\r\n"_s + workedEntry + u"\r\n"_s + workedEntry;
        QTest::newRow("headings alone") << headings.chopped(2);
        QTest::newRow("a line before the headings") << workedEntry + headings + workedEntry;
    }

    void otherTextsKeptAsTheyAre()
    {
        QFETCH(QString, text);
        for (const qint64 lines : {11, 12, 49})
            QCOMPARE(records::history::laidOutFor(text, lines, u"VAT"_s), text);
    }
};

QTEST_APPLESS_MAIN(TestHistoryEntry)
#include "test_history_entry.moc"
