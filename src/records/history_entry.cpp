#include "app/aquabill_main.h"

#include "core/runtime_failure.h"
#include "calc/dates.h"
#include "records/history_layout.h"
#include "records/log_streams.h"
#include "records/record_texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using records::crlf;
namespace history = records::history;

namespace {

// A date too long for its column is stored in the eleven-character form.
QString storedDate(const AquabillMain &window, const QString &text)
{
    if (text.size() > 11) {
        if (const std::optional<QDate> date = window.readDate(text))
            return dates::ddMmmYyyy(*date, window.locale());
    }
    return text;
}

}  // namespace

void AquabillMain::AppendHistoryHeading()
{
    HistoryText += crlf + history::headingLines(c.VATH->text().left(3)).join(crlf);
}

void AquabillMain::FormatHistoryEntry()
{
    guarded(QStringLiteral("Format Log Error"), [&] {
        StepCode = 252;
        auto mark = [](const QLineEdit *box, const QString &present) {
            return box->text().isEmpty() ? QStringLiteral(" ") : present;
        };
        history::Entry entry;
        entry.date = storedDate(*this, c.Date2->text());
        entry.reading = c.NRead2->text();
        entry.waterVolume = c.NormalR1->text();
        entry.waterFixed = c.SCharge->text();
        entry.sewageVolume = c.NormalR2->text();
        entry.sewageFixed = c.CheapR->text();
        entry.allowance = c.BPoint->text();
        entry.allowanceMark = mark(c.BPoint, QStringLiteral("%"));
        entry.taxRate = c.VAT->text();
        entry.taxMark = mark(c.VAT, QStringLiteral("%"));
        entry.discount1 = c.Disc1->text();
        if (!c.Disc1->text().isEmpty() && value(c.Disc1P) == 1)
            entry.discount1 += u'%';
        entry.discount2Mark = value(c.Disc2F) == 1 ? QStringLiteral("F") : QStringLiteral(" ");
        entry.discount2 = c.Disc2->text();
        entry.period = value(c.Period) == 1 ? QStringLiteral("1 mth") : QStringLiteral("6 mth");

        HistoryText.clear();
        HistoryEntryPending = false;
        // A log that cannot be read is as good as missing, and is reported so;
        // the calculation stands.
        std::optional<SavedEntry> last = lastSavedEntry(true);
        if (!last) {
            ReportMissingLog(QStringLiteral("history"), HistoryFileName);
            last = SavedEntry{};
        }
        const records::LineCount &log = last->log;

        StepCode = 253;
        if (value(c.NoHistory) == 0) {
            const std::optional<QDate> saved = readDate(history::dateField(last->entry.text));
            const std::optional<QDate> date2 = readDate(c.Date2->text());
            if (saved && date2 && date2->daysTo(*saved) >= 0)
                PendingMessage += QStringLiteral("Meter Reading Date 2 must be later than the last Meter Reading date saved\n");
        }
        if (history::headingDueAt(log.lines)) {
            AppendHistoryHeading();
            HistoryText += crlf;
        }
        if (!PendingMessage.isEmpty())
            return;
        if (log.lines == history::HeaderLines) {
            history::Entry opening;
            opening.date = storedDate(*this, c.Date1->text());
            opening.reading = c.NRead1->text();
            HistoryText += history::entryLine(opening) + crlf;
        }
        HistoryText += history::entryLine(entry);
        HistoryEntryPending = true;
    });
}
