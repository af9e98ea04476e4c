// The checks of the birth data, with the faulty field named as the user wrote it.
#pragma once

#include <string>

#include "births/field_names.h"
#include "chart/birth_data.h"

namespace velquor {

// Runs ValidateBirthData: the ranges the form's lists keep, then the form's own checks
// (which also reject days that a month does not have).
// Throws InputError naming the field by `names`.
void RequireValidBirth(const BirthData& birth, const FieldNames& names);

// Checks the lengths a saved birth's texts may have (record_limits.h): the name, city,
// state and country at most kMaxTextBytes, the note kMaxNoteBytes. Throws InputError naming
// the batch's key of the first text that is longer.
void RequireSavableTexts(const BirthData& birth, const std::string& note);

}  // namespace velquor
