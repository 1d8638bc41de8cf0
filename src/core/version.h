#pragma once

#include <QString>

namespace version {
constexpr int major = AQUABILL_MAJOR;
constexpr int minor = AQUABILL_MINOR;
// "Version 3.5"
inline QString text() { return QStringLiteral("Version %1.%2").arg(major).arg(minor); }
}  // namespace version
