#include "births/convention_texts.h"

#include <optional>

#include "births/input_error.h"

namespace velquor {

const ConventionNames& ConventionBatchNames() {
  static const ConventionNames names = [] {
    ConventionNames batch{"conventions", {}};
    for (std::size_t i = 0; i < kConventionChoices; ++i) {
      batch.choices[i] = "conventions." + std::string(kConventionKeys[i].key);
    }
    return batch;
  }();
  return names;
}

Conventions ConventionsOfTexts(const ConventionTexts& texts, const ConventionNames& names) {
  Conventions c;
  if (!texts.set.empty()) {
    const std::optional<Conventions> set = ConventionsNamed(texts.set);
    if (!set) {
      throw InputError(names.set, "unknown value \"" + texts.set + "\"; one of classic, modern");
    }
    c = *set;
  }
  for (std::size_t i = 0; i < kConventionChoices; ++i) {
    const ConventionKey& choice = kConventionKeys[i];
    const std::string& text = texts.*choice.text;
    if (!text.empty() && !choice.choose(text, c)) {
      throw InputError(names.choices[i],
                       "unknown value \"" + text + "\"; one of " + std::string(choice.values));
    }
  }
  return c;
}

bool AnyConventionGiven(const ConventionTexts& texts) {
  if (!texts.set.empty()) return true;
  for (const ConventionKey& choice : kConventionKeys) {
    if (!(texts.*choice.text).empty()) return true;
  }
  return false;
}

}  // namespace velquor
