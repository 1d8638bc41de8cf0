#include "app/single_instance.h"

namespace {
bool MutexHandle = false;
}

bool IsPreviousInstance(platform::Platform &desktop, const QString &name)
{
    if (MutexHandle)
        return false;
    MutexHandle = desktop.createNamedLock(name);
    return !MutexHandle;
}
