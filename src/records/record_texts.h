#pragma once

#include <QDateTime>
#include <QString>

// Text pieces shared by both logs.
namespace records {

inline const QString crlf = QStringLiteral("\r\n");

// The file's path below the working folder.
inline QString logPath(const QString &fileName) { return QStringLiteral("Log/") + fileName; }

// The value padded on the left with spaces to `width` characters. A longer
// value is kept whole and widens its line: a figure that lost its leading digits
// would be read back, and billed, as another figure.
QString rightAligned(const QString &value, int width);

// The title blocks that open a new log, `created` being their date line; each
// is the text of one write, without the final line end that the write adds.
QString resultsTitleBlock(const QString &created);
QString historyTitleBlock(const QString &created);

}  // namespace records
