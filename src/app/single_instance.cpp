#include "app/single_instance.h"

bool IsPreviousInstance(platform::Platform &desktop, const QString &name)
{
    return !desktop.createNamedLock(name);
}
