#include "records/archive.h"

#include <limits>

namespace records::archive {

// Every report has a "Water" line; the title blocks and start-up entries
// have none.
std::optional<bool> holdsData(platform::Platform &desktop, const QString &path)
{
    std::unique_ptr<platform::LineReader> reader = desktop.openForReading(path);
    if (!reader)
        return std::nullopt;
    while (!reader->atEnd()) {
        const std::optional<QByteArrayView> line = reader->readStoredLine();
        if (!line)
            return std::nullopt;
        if (line->trimmed().startsWith("Water"))
            return true;
    }
    return false;
}

std::optional<QString> nextName(platform::Platform &desktop)
{
    const QString stem = QStringLiteral("Log/Aquabill_") + desktop.now().date().toString(QStringLiteral("yyMMdd"))
                         + QStringLiteral("_");
    for (int counter = 1; counter <= std::numeric_limits<qint16>::max(); ++counter) {
        const QString name = stem + QString::number(counter) + QStringLiteral(".log");
        if (!desktop.fileExists(name))
            return name;
    }
    return std::nullopt;
}

}  // namespace records::archive
