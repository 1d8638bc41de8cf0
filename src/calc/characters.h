#pragma once

#include <QString>

// Text measured and cut by whole characters rather than 16-bit units: the
// digits and letters of some scripts (Adlam, Chakma) take two units each, and
// half of one is no text at all.
namespace characters {

qsizetype count(const QString &text);

// The first `wanted` characters, or the whole text when it is shorter.
QString first(const QString &text, qsizetype wanted);

// True when the text begins with a digit of any script.
bool startsWithDigit(const QString &text);

}  // namespace characters
