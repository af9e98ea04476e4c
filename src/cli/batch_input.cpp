#include "cli/batch_input.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/input_error.h"

namespace velquor {

const FieldNames kBatchFieldNames = {"name",    "year",    "month",   "day",
                                     "hour",    "minute",  "second",  "zone",
                                     "lat_deg", "lat_min", "lon_deg", "lon_min"};

namespace {

using Json = nlohmann::json;

int WholeNumber(const std::string& key, const Json& value) {
  constexpr auto kMin = std::numeric_limits<int>::min();
  constexpr auto kMax = std::numeric_limits<int>::max();
  if (value.is_number_unsigned()) {
    const auto number = value.get<std::uint64_t>();
    if (number <= static_cast<std::uint64_t>(kMax)) return static_cast<int>(number);
  } else if (value.is_number_integer()) {
    const auto number = value.get<std::int64_t>();
    if (number >= kMin && number <= kMax) return static_cast<int>(number);
  } else {
    throw InputError(key, "expected a whole number");
  }
  throw InputError(key, "number out of range");
}

bool Flag(const std::string& key, const Json& value) {
  if (!value.is_boolean()) throw InputError(key, "expected true or false");
  return value.get<bool>();
}

std::string Text(const std::string& key, const Json& value) {
  if (!value.is_string()) throw InputError(key, "expected a string");
  return value.get<std::string>();
}

// A key and the field it sets: exactly one of the three members.
struct KeySpec {
  std::string_view key;
  bool required = false;
  int BirthInput::*number = nullptr;
  bool BirthInput::*flag = nullptr;
  std::string BirthInput::*text = nullptr;
};

const std::array<KeySpec, 18> kKeys = {{
    {"name", true, nullptr, nullptr, &BirthInput::name},
    {"year", true, &BirthInput::year},
    {"month", true, &BirthInput::month},
    {"day", true, &BirthInput::day},
    {"hour", true, &BirthInput::hour},
    {"minute", true, &BirthInput::minute},
    {"second", false, &BirthInput::second},
    {"zone", true, &BirthInput::zoneIndex},
    {"lat_deg", true, &BirthInput::latDegrees},
    {"lat_min", true, &BirthInput::latMinutes},
    {"south", false, nullptr, &BirthInput::south},
    {"lon_deg", true, &BirthInput::lonDegrees},
    {"lon_min", true, &BirthInput::lonMinutes},
    {"east", false, nullptr, &BirthInput::east},
    {"dst", false, nullptr, &BirthInput::dst},
    {"city", false, nullptr, nullptr, &BirthInput::city},
    {"state", false, nullptr, nullptr, &BirthInput::state},
    {"country", false, nullptr, nullptr, &BirthInput::country},
}};

void ReadKey(const KeySpec& spec, const std::string& key, const Json& value, BirthInput& input) {
  if (spec.number) {
    input.*spec.number = WholeNumber(key, value);
  } else if (spec.flag) {
    input.*spec.flag = Flag(key, value);
  } else {
    input.*spec.text = Text(key, value);
  }
}

// The parser's message without its "[json.exception...] " prefix.
std::string ParseMessage(const Json::exception& error) {
  std::string_view message = error.what();
  if (const std::size_t end = message.find("] "); !message.empty() && message.front() == '[' &&
                                                  end != std::string_view::npos) {
    message.remove_prefix(end + 2);
  }
  return "malformed JSON: " + std::string(message);
}

}  // namespace

BirthInput ParseBatchLine(std::string_view line) {
  if (line.empty()) throw InputError("line", "empty");
  Json object;
  try {
    object = Json::parse(line.begin(), line.end());
  } catch (const Json::exception& error) {
    throw InputError("line", ParseMessage(error));
  }
  if (!object.is_object()) throw InputError("line", "expected a JSON object");

  BirthInput input;
  std::array<bool, kKeys.size()> seen{};
  for (const auto& [key, value] : object.items()) {
    const auto spec = std::find_if(kKeys.begin(), kKeys.end(),
                                   [&](const KeySpec& candidate) { return candidate.key == key; });
    if (spec == kKeys.end()) throw InputError(key, "unknown key");
    ReadKey(*spec, key, value, input);
    seen[static_cast<std::size_t>(spec - kKeys.begin())] = true;
  }
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].required && !seen[i]) throw InputError(std::string(kKeys[i].key), "missing");
  }
  return input;
}

}  // namespace velquor
