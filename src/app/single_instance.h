#pragma once

#include "platform/platform.h"

// True when another running copy of the program holds the named lock; a first
// copy takes the lock and keeps it for its whole life. A second copy is not
// refused: it runs, holding no lock.
bool IsPreviousInstance(platform::Platform &desktop, const QString &name);
