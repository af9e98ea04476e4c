// The windows command's output: the birth-time timeline as a readable table or as JSON.
#pragma once

#include <string>
#include <vector>

#include "chart/birth_data.h"
#include "chart/birth_timeline.h"

namespace velquor {

// A heading naming the birth, the span and the conventions, then one row per interval: from and to
// (local clock, to the second), the Pranapada's sign and degrees, its house from the ascendant and
// from the Moon, the ascendant's sign and the marks of the classical check; the row holding
// the birth time starts with ">". An interval without a chart gives its reason instead.
std::string FormatWindowsText(const BirthData& birth, int spanMinutes,
                              const Conventions& conventions,
                              const std::vector<TimelineInterval>& timeline);

// A JSON array, one object per interval: "from" and "to" ("YYYY-MM-DD HH:MM:SS", both
// included), "pranapada_sign" and "ascendant_sign" (1..12), "pranapada_degrees" (its first
// and last longitude), "house_from_ascendant", "house_from_moon", "moon_sign",
// "reference_sunrise" and "check" {"ascendant", "moon"}; or, without a chart, "error" and
// "kind" ("polar").
void AppendWindowsJson(std::string& out, const std::vector<TimelineInterval>& timeline);

}  // namespace velquor
