#include "platform/single_byte_text.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

constexpr char substitute = '\x1a';

QByteArray encode(QStringView text)
{
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

// A character the code page lacks. The digits of other scripts, and the
// separators of Arabic numbers, have ASCII stand-ins that keep the figures and
// dates of every locale readable, and a saved date readable again; anything
// else is written as "?", not as the SUB control the encoder marks it with,
// which some readers take for the end of the file.
QByteArray standIn(char32_t c)
{
    if (QChar::isDigit(c))
        return QByteArray(1, char('0' + QChar::digitValue(c)));
    if (c == U'\u066B')
        return QByteArrayLiteral(".");
    if (c == U'\u066C')
        return QByteArrayLiteral(",");
    return QByteArrayLiteral("?");
}

}  // namespace

QByteArray encodeSingleByte(const QString &text)
{
    QByteArray bytes = encode(text);
    if (!bytes.contains(substitute))
        return bytes;
    bytes.clear();
    // By code point: Adlam and Chakma digits take two 16-bit units.
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        const QByteArray encoded = encode(character);
        bytes += encoded == QByteArray(1, substitute) && c != U'\x1a' ? standIn(c) : encoded;
    }
    return bytes;
}

QString decodeSingleByte(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

}  // namespace platform
