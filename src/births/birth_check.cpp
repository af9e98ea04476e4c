#include "births/birth_check.h"

#include <string>

#include "births/birth_keys.h"
#include "births/input_error.h"
#include "births/record_limits.h"
#include "chart/validation.h"

namespace velquor {

void RequireValidBirth(const BirthData& birth, const FieldNames& names) {
  if (const auto failure = ValidateBirthData(birth)) {
    throw InputError(std::string(NameOf(failure->field, names)), failure->message);
  }
}

void RequireSavableTexts(const BirthData& birth, const std::string& note) {
  for (const BirthKey& key : kBirthKeys) {
    if (key.text != nullptr && (birth.*key.text).size() > kMaxTextBytes) {
      throw InputError(std::string(key.key),
                       "longer than " + std::to_string(kMaxTextBytes) + " bytes");
    }
  }
  if (note.size() > kMaxNoteBytes) {
    throw InputError("note", "longer than " + std::to_string(kMaxNoteBytes) + " bytes");
  }
}

}  // namespace velquor
