#include "chart/house_texts.h"

#include <array>
#include <stdexcept>
#include <string>

namespace velquor {

namespace {

constexpr std::array<std::string_view, 12> kHouseTexts = {
    "You may be physically very weak and sick. You will be mentally dull and not active at all. "
    "You may be "
    "malnourished and suffer from body limb defects.",
    "You will have abundant wealth in form of money, food, love, relationships etc. You will never "
    "have the need "
    "for anything else in life and lead a royal life.",
    "You will suffer from injuries and accidents. You may be very rude in behavior and have no "
    "respect for elders.",
    "You will have a very happy and agreeable personality. You will be strongly attached to your "
    "family and "
    "friends. You believe in honesty and have a gentle nature.",
    "You will be fortunate and enthusiastic in life. You will help people with your kind acts and "
    "share love "
    "without any barriers.",
    "You will be put down by your relatives and enemies. You will live a happy but short life. You "
    "may suffer from "
    "some digestive problems.",
    "You will have a lot of interest in the opposite sex. You will have a bad temperament and lose "
    "respect because "
    "of your actions.",
    "You will suffer from health problems. You will forever be getting into some trouble or the "
    "other. Your family "
    "will cause you a lot of unhappiness.",
    "You will have a large and loving happy family. You will be served by many people and be "
    "shrewd but not "
    "wicked. You will earn a lot of riches in life.",
    "You will be bold and brave and a great entrepreneur. People will look up to your skills and "
    "want to learn from "
    "you. You will have great faith in religion.",
    "You will achieve a lot of fame and respect. You will be well-liked, wise, wealthy and well "
    "renowned.",
    "You may have a very disagreeable nature. People will find you rude, cruel and unbearable. You "
    "may suffer from "
    "problems of the eye.",
};

}  // namespace

std::string_view HouseSignificance(int house) {
  if (house < 1 || house > 12)
    throw std::out_of_range("house " + std::to_string(house) + " is not 1..12");
  return kHouseTexts[static_cast<std::size_t>(house - 1)];
}

}  // namespace velquor
