#pragma once

#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

// Reading a fuzzer's bytes: a locale chosen by the first byte, the rest as text.
namespace fuzz {

// Locales whose number and date forms differ from one another: the decimal
// comma, a space or a dot as thousands separator, the symbol after the amount,
// other digits, year-first dates.
inline QLocale locale(std::uint8_t choice)
{
    static const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Japanese, QLocale::Japan),        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Hindi, QLocale::India),           QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::German, QLocale::Switzerland),     QLocale::c(),
    };
    return locales[choice % (sizeof locales / sizeof locales[0])];
}

// The bytes as UTF-8 when they are, else as Latin-1, so that both the text a
// user types and the bytes of a file reach the code.
inline QString text(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : utf8;
}

// A broken promise of the code under test: reported like a crash.
inline void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

}  // namespace fuzz
