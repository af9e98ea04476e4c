#include "births/birth_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sample_saved_births.h"

namespace velquor {
namespace {

TEST(BirthFilter, EveryWordMustOccurInTheNameOrPlace) {
  const std::vector<SavedBirth> births = test::SampleSavedBirths();  // ASHA, ANA, JOHN O
  const struct {
    const char* query;
    std::vector<std::size_t> matching;
  } cases[] = {
      {"", {0, 1, 2}},    {"   ", {0, 1, 2}},  {"an", {1}},
      {"ASHA", {0}},      {"asha delhi", {0}}, {"delhi asha", {0}},
      {"asha paulo", {}}, {"sao", {1}},                            // São without its accent
      {"SÃO PAULO", {1}},                                          // with it, in capitals
      {"johns", {2}},                                              // the apostrophe of St. John's
      {"brasil", {1}},    {"india", {0}},      {"rectified", {}},  // notes are not searched
  };
  const BirthFilter filter(births);
  for (const auto& c : cases) EXPECT_EQ(filter.Matching(c.query), c.matching) << c.query;
}

}  // namespace
}  // namespace velquor
