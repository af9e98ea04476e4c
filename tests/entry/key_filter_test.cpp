#include "entry/key_filter.h"

#include <gtest/gtest.h>

namespace velquor {
namespace {

constexpr char kLetters[] = "Please Enter only Letters";
constexpr char kNumbers[] = "Only Numbers Are Accepted";

struct Case {
  char32_t typed;
  char32_t inserted;  // 0: discarded with the filter's message
};

TEST(KeyFilter, NameKeepsCapitalsBlankEnterBackspace) {
  const Case cases[] = {
      {U'A', U'A'}, {U'Z', U'Z'}, {U'a', U'A'}, {U'm', U'M'}, {U'z', U'Z'},
      {U' ', U' '}, {13, 13},     {8, 8},
      // Around and between the letter ranges.
      {U'@', 0},    {U'[', 0},    {U'\\', 0},   {U'^', 0},    {U'_', 0},   {U'`', 0},
      {U'{', 0},    {U'0', 0},    {U'9', 0},    {U'-', 0},    {U'.', 0},   {U'\'', 0},
      {U'é', 0},    {U'Ä', 0},    {9, 0},
  };
  for (const Case& c : cases) {
    const KeyVerdict verdict = FilterNameKey(c.typed);
    EXPECT_EQ(verdict.code, c.inserted) << "code " << static_cast<unsigned>(c.typed);
    ASSERT_EQ(verdict.rejection.has_value(), c.inserted == 0) << static_cast<unsigned>(c.typed);
    if (verdict.rejection) {
      EXPECT_EQ(verdict.rejection->message, kLetters);
      EXPECT_EQ(verdict.rejection->icon, MessageIcon::Information);
    }
  }
}

TEST(KeyFilter, NumbersKeepDigitsAndBackspace) {
  const Case cases[] = {
      {U'0', U'0'}, {U'5', U'5'}, {U'9', U'9'}, {8, 8},
      {U'/', 0},    {U':', 0},    {U'-', 0},    {U'.', 0}, {U'+', 0}, {U' ', 0},
      {U'a', 0},    {13, 0},      {U'٣', 0},  // an Arabic-Indic digit is not "0".."9"
  };
  for (const Case& c : cases) {
    const KeyVerdict verdict = FilterNumberKey(c.typed);
    EXPECT_EQ(verdict.code, c.inserted) << "code " << static_cast<unsigned>(c.typed);
    ASSERT_EQ(verdict.rejection.has_value(), c.inserted == 0) << static_cast<unsigned>(c.typed);
    if (verdict.rejection) {
      EXPECT_EQ(verdict.rejection->message, kNumbers);
      EXPECT_EQ(verdict.rejection->icon, MessageIcon::Critical);
    }
  }
}

}  // namespace
}  // namespace velquor
