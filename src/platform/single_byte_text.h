#pragma once

#include <QByteArray>
#include <QString>

// The logs and the configuration file are single-byte Windows-1252 text, where
// the pound and euro signs are one byte each. A digit the code page lacks is
// written as its ASCII digit, any other character it lacks as "?".
namespace platform {
QByteArray encodeSingleByte(const QString &text);
QString decodeSingleByte(const QByteArray &bytes);
}  // namespace platform
