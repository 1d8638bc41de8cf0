#pragma once

#include <QString>

namespace records::history {

// The pending history text (an optional heading block, an optional opening
// entry and the data entry, as the calculation laid them out for the log it
// counted) laid out again for a log that now holds `lines` lines: another copy
// of the program may have saved or removed entries since. The heading block is
// kept when the text has one, else made with `taxWord`; an opening entry can
// only be kept, as the calculation alone knew its reading. A text of any other
// shape is given back as it is.
QString laidOutFor(const QString &pending, qint64 lines, const QString &taxWord);

}  // namespace records::history
