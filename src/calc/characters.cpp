#include "calc/characters.h"

#include <QList>

namespace characters {

qsizetype count(const QString &text) { return text.toUcs4().size(); }

QString first(const QString &text, qsizetype wanted)
{
    const QList<uint> all = text.toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(all.constData()), std::min(all.size(), wanted));
}

bool startsWithDigit(const QString &text) { return !text.isEmpty() && QChar::isDigit(text.toUcs4().front()); }

}  // namespace characters
