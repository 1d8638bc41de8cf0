#pragma once

#include "records/history_layout.h"

#include <QString>

namespace records::history {

// The text a save appends to a log of `lines` lines for `entry`: the heading
// block first where the log needs one, and the opening entry first when the
// log holds no entry yet.
QString pendingText(const Entry &entry, const Entry &opening, qint64 lines, const QString &taxWord);

// The pending history text (an optional heading block, an optional opening
// entry and the data entry, as the calculation laid them out for the log it
// counted) laid out again for a log that now holds `lines` lines: another copy
// of the program may have saved or removed entries since. The heading block is
// kept when the text has one, else made with `taxWord`; an opening entry can
// only be kept, as the calculation alone knew its reading. A text of any other
// shape is given back as it is.
QString laidOutFor(const QString &pending, qint64 lines, const QString &taxWord);

}  // namespace records::history
