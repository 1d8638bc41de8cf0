#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QLocale>
#include <optional>
#include <utility>
#include <vector>

namespace records {

// Reads the dates of a log exactly as dates::parse reads them, but fast enough
// for a log of a million entries. A log's dates share one or two forms
// ("05/12/2026", "5 Dec 2026"): once dates::parse has read a date of a form of
// three fields, and the fields have shown unambiguously which is the day, the
// month and the year, later dates of that form are read from their fields
// alone. A month name is taken on trust only once dates::parse has read it in
// that form. Every other date goes to dates::parse.
class LogDates {
public:
    LogDates(const QLocale &locale, int currentYear) : m_locale(locale), m_currentYear(currentYear) {}

    // `text` is single-byte text without surrounding blanks.
    std::optional<QDate> read(QByteArrayView text);

    // How many dates went to dates::parse: on a log of one form, a handful
    // however long the log.
    int fullParses() const { return m_fullParses; }

    // The longest date text read by its form; longer ones go to dates::parse.
    static constexpr qsizetype MaxLength = 24;

    // One of the three fields: digits, or letters (a month name).
    struct Field {
        int value = 0;   // the digits' value
        int width = 0;   // how many digits or letters
        QByteArrayView letters;
    };
    struct Fields {
        Field field[3];
        QByteArray shape;  // each digit as 'N', each letter as 'A', the separators as they are
    };

private:
    struct Form {
        QByteArray shape;
        int day = -1, month = -1, year = -1;  // which field holds each
        std::vector<std::pair<QByteArray, int>> months;  // month names read so far, when `month` is one
    };

    std::optional<QDate> parseAndLearn(QByteArrayView text, const Fields &fields, Form *known);
    std::optional<QDate> parse(QByteArrayView text);

    QLocale m_locale;
    int m_currentYear;
    std::vector<Form> m_forms;
    int m_fullParses = 0;
};

}  // namespace records
