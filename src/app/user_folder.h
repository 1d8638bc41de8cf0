#pragma once

#include <QString>

namespace platform {
class Platform;
}

// One installed copy of the program serves every user of the machine, so each
// user works in a folder of their own, made from the installed files at the
// first start. A program folder (the binary with Data/ beside it, as the build
// lays it out) keeps working in the folder it was started in.

// The installed files of a program whose binary lies in binaryFolder: the
// share/aquabill folder beside its bin folder, when that holds the shipped
// configuration and no Data/ lies beside the binary. Empty otherwise.
QString installedFiles(const QString &binaryFolder);

// $XDG_DATA_HOME/aquabill, or ~/.local/share/aquabill when the variable is
// empty or not an absolute path (such a value is to be ignored).
QString userFolderPath(const QString &xdgDataHome, const QString &home);

// Makes what the user folder lacks (Data/, Help/, Log/ and the installed files
// of Data/ and Help/) and makes it the working folder. Nothing already there is
// replaced. False, after a message naming the folder, when that failed.
bool enterUserFolder(platform::Platform &desktop, const QString &installed, const QString &folder);
