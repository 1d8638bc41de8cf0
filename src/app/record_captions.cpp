#include "app/record_captions.h"

#include <QLabel>

namespace boxes {

QString taxWord(const Controls &c) { return c.VATH->text().left(3); }

records::report::Labels reportLabels(const Controls &c) { return {taxWord(c), c.UDayL->text()}; }

}  // namespace boxes
