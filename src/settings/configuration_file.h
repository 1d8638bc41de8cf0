#pragma once

#include "calc/tariff.h"
#include "platform/platform.h"
#include "settings/configuration_line.h"
#include "settings/stored_options.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <iterator>

// The configuration file: the tariff and options Save Data stores, read back
// at start-up and by Reset.
namespace settings {

inline const QString configurationPath = QStringLiteral("Data/Aquabill.ini");

// The heading of the echo of the file that an error dump shows.
inline const QString echoHeading = QStringLiteral("Aquabill Configuration\r\n----------------------");

// What has been read of the file: the nine tariff texts (the ticks are not
// stored here), the stored options, the echo of every line taken and how
// many key lines and sections are still to be found.
struct Configuration {
    calc::Tariff tariff;
    StoredOptions options;
    QString echo;
    // Every key line counts, a repeated key too: the file is complete when
    // it has as many key lines as there are keys, and both sections.
    int keysToFind = int(std::size(ConfigurationKeys));
    int sectionsToFind = 2;

    bool complete() const { return keysToFind == 0 && sectionsToFind == 0; }
};

// Reads the file into `read`, each line taking effect as it is read; a value
// the file lacks stays as `read` had it. A line that cannot be read, or an
// option too large to be one, is a RuntimeFailure that leaves in `read` what
// was taken before it.
void readConfiguration(platform::LineReader &reader, Configuration &read);

// The file as Save Data writes it: the tariff's texts one more than shown
// (bar the water volume charge, written as shown) and its ticks one more
// than their states, headed by the version and the moment `now`.
QString configurationText(const calc::Tariff &tariff, const QDateTime &now, const QLocale &locale);

}  // namespace settings
