#include "calc/context.h"

#include "calc/dates.h"
#include "core/runtime_failure.h"

namespace calc {

std::optional<QDate> Context::readDate(const QString &text) const
{
    return dates::parse(text, locale, currentYear);
}

QDate Context::dateIn(const QString &text) const
{
    const std::optional<QDate> date = readDate(text);
    if (!date)
        throw RuntimeFailure(QStringLiteral("\"%1\" is not a date").arg(text));
    return *date;
}

}  // namespace calc
