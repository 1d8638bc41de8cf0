#pragma once

#include <QString>

namespace settings {

// One line of the configuration file as read, before anything is stored.
struct ConfigurationLine {
    bool skipped = false;  // empty, or a comment from its first character: no effect, no echo
    QString trimmed;       // the line without its surrounding blanks, as echoed
    QString key;           // the key it sets ("Disc1", "WVRate"), empty for none
    QString value;         // what follows the key's "="
    bool section = false;  // exactly "[Run]" or "[Data]"
};

// The fifteen keys in the order the file is written.
inline constexpr const char *ConfigurationKeys[] = {
    "LogLevel", "RunOnTop", "Disc1", "Disc1PT", "Disc2", "Disc2FT", "Predict", "PSize",
    "SFCharge", "SVAllow", "SVRate", "VRate", "VUnits", "WFCharge", "WVRate"};

// Reads a line of the file (without its line end). A key counts only when the
// trimmed line begins with it and "=" exactly, case and all; no two keys can
// both match.
ConfigurationLine readConfigurationLine(const QString &line);

}  // namespace settings
