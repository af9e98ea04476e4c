#include "cli/birth_check.h"

#include <string>

#include "chart/validation.h"
#include "cli/input_error.h"

namespace velquor {

void RequireValidBirth(const BirthData& birth, const FieldNames& names) {
  if (const auto failure = ValidateBirthData(birth)) {
    throw InputError(std::string(NameOf(failure->field, names)), failure->message);
  }
}

}  // namespace velquor
