#include "platform/single_byte_text.h"

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

}  // namespace

QByteArray encodeSingleByte(const QString &text)
{
    QByteArray bytes = encode(text);
    if (!bytes.contains(substitute))
        return bytes;
    // The encoder marks a character it has no byte for with the SUB control,
    // which some readers take for the end of the file; such a character is
    // written as "?" instead, one for each character, surrogate pairs included.
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size()
                                        && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, width);
        const QByteArray encoded = encode(character);
        bytes += encoded == QByteArray(1, substitute) && character != u"\x1a" ? QByteArray("?") : encoded;
        i += width;
    }
    return bytes;
}

QString decodeSingleByte(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

}  // namespace platform
