#include "records/record_texts.h"

#include "core/version.h"

namespace records {

QString rightAligned(const QString &value, int width)
{
    return value.rightJustified(width, u' ');
}

QString resultsTitleBlock(const QString &created)
{
    return QStringLiteral("Aquabill Results Log") + crlf + version::text() + crlf + QStringLiteral("File Created") + crlf
           + created + crlf + crlf;
}

QString historyTitleBlock(const QString &created)
{
    return QStringLiteral("Aquabill History Log") + crlf + version::text() + crlf + QStringLiteral("File Created") + crlf
           + created + crlf + crlf + crlf;
}

}  // namespace records
