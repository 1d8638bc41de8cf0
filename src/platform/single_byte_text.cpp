#include "platform/single_byte_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QByteArray encodeSingleByte(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QString decodeSingleByte(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

}  // namespace platform
