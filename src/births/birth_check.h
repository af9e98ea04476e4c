// The checks of the birth data, with the faulty field named as the user wrote it.
#pragma once

#include "births/field_names.h"
#include "chart/birth_data.h"

namespace velquor {

// Runs ValidateBirthData: the ranges the form's lists keep, then the form's own checks
// (which also reject days that a month does not have).
// Throws InputError naming the field by `names`.
void RequireValidBirth(const BirthData& birth, const FieldNames& names);

}  // namespace velquor
