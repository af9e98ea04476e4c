// The letters of drawn charts and pages: DejaVu Sans (fonts-dejavu-core), sized in painter
// units so that the same drawing scales to any device.
#pragma once

#include <QFont>

namespace velquor {

// A proportional font `size` painter units high (at least 1), regular or bold.
QFont PageFont(int size, bool bold);
// The fixed-pitch font of position texts, which are read by character position.
QFont FixedPageFont(int size);

}  // namespace velquor
