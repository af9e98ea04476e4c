// A clock time and its day as the windows word it: "10:45:00 on 21 March 1985".
#pragma once

#include <QString>

#include "astro/date_time.h"

namespace velquor {

QString MomentText(const LocalDateTime& moment);

}  // namespace velquor
