#include "births/birth_check.h"

#include <string>

#include "births/input_error.h"
#include "chart/validation.h"

namespace velquor {

void RequireValidBirth(const BirthData& birth, const FieldNames& names) {
  if (const auto failure = ValidateBirthData(birth)) {
    throw InputError(std::string(NameOf(failure->field, names)), failure->message);
  }
}

}  // namespace velquor
