#pragma once

#include <QByteArray>
#include <QString>

// The history log as a new program folder's log holds it, created at the
// scripted platform's clock (10:15:42 on 5 December 2026) under the tax word VAT.
namespace historylog {

inline const QString path = QStringLiteral("Log/Aquabill_H.log");
inline const QByteArray headings =
    "\r\nDate       , Meter  , Water  , Water  , Sewage , Sewage , Sewage, VAT    Discount, Discount, Period\r\n"
    "           , Reading, Volume , Fixed  , Volume , Fixed  , Volume, Rate   1       , 2       ,       \r\n"
    "           ,        , Charge , Charge , Charge , Charge , Allow ,              \r\n"
    "-----------, -------, -------, -------, -------, -------, ------, -----, --------, --------, ------\r\n";
inline const QByteArray title = "Aquabill History Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n";
inline const QByteArray newLog = title + headings;

// A log of so many lines, its entries all dated 9 January 2020.
inline QByteArray logOf(int lines) { return newLog + QByteArray(" 09/01/2020,  1000.0\r\n").repeated(lines - 11); }

}  // namespace historylog
