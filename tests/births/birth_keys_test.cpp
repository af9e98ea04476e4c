// The key table against what it names: the conventions' choices take exactly the names
// their messages list, and every field the checks can name has a key.
#include "births/birth_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace velquor {
namespace {

std::vector<std::string> Split(std::string_view list) {
  std::vector<std::string> names;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(", ", start), list.size());
    names.emplace_back(list.substr(start, end - start));
    start = end + 2;
  }
  return names;
}

TEST(ConventionKeys, EachChoiceTakesTheNamesItsMessageLists) {
  for (const ConventionKey& choice : kConventionKeys) {
    const std::vector<std::string> names = Split(choice.values);
    for (const std::string& name : names) {
      Conventions c;
      EXPECT_TRUE(choice.choose(name, c)) << choice.key << " " << name;
      EXPECT_EQ(choice.nameIn(c), name) << choice.key;
    }
    // The named sets make their choices among the listed names.
    for (const Conventions& set : {ClassicConventions(), ModernConventions()}) {
      EXPECT_NE(std::find(names.begin(), names.end(), choice.nameIn(set)), names.end())
          << choice.key;
    }
    Conventions unchanged = ModernConventions();
    EXPECT_FALSE(choice.choose("none", unchanged)) << choice.key;
    EXPECT_EQ(unchanged, ModernConventions());
  }
}

TEST(BirthKeys, EveryCheckedFieldHasAKeyOfItsOwn) {
  for (std::size_t field = 0; field < kBatchFieldNames.size(); ++field) {
    std::size_t keys = 0;
    for (const BirthKey& key : kBirthKeys) {
      if (static_cast<std::size_t>(key.field) == field) {
        ++keys;
        EXPECT_EQ(kBatchFieldNames[field], key.key);
      }
    }
    EXPECT_EQ(keys, 1u) << field;
  }
}

}  // namespace
}  // namespace velquor
