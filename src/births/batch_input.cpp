#include "births/batch_input.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "births/birth_keys.h"
#include "births/convention_texts.h"
#include "births/entered_time.h"
#include "births/input_error.h"

namespace velquor {

namespace {

using Json = nlohmann::json;

// The key of the entered time: a text outside the key table (the birth data's and the
// database's columns), which a value of another type names as a text's key.
constexpr BirthKey MakeEnteredKey() {
  BirthKey key;
  key.key = kEnteredTimeKey;
  return key;
}
constexpr BirthKey kEnteredKey = MakeEnteredKey();

// What a key's value must be, for the message of a value of another type.
const char* Expected(const BirthKey& key) {
  switch (key.kind) {
    case BirthKeyKind::Number:
      return "expected a whole number";
    case BirthKeyKind::Flag:
      return "expected true or false";
    case BirthKeyKind::Conventions:
      return "expected a set's name or an object of choices";
    case BirthKeyKind::Text:
    case BirthKeyKind::Note:
      break;
  }
  return "expected a string";
}

// The parser's message without its "[json.exception...] " prefix.
std::string ParseMessage(const nlohmann::detail::exception& error) {
  std::string_view message = error.what();
  if (const std::size_t end = message.find("] ");
      !message.empty() && message.front() == '[' && end != std::string_view::npos) {
    message.remove_prefix(end + 2);
  }
  return "malformed JSON: " + std::string(message);
}

// An unknown key as the error names it: control characters written as \u00XX, so that a
// key holding a NUL (valid JSON) cannot cut the message short where it is read as a C string.
std::string ShownKey(const std::string& key) {
  std::string shown;
  for (const char c : key) {
    if (static_cast<unsigned char>(c) >= 0x20) {
      shown += c;
      continue;
    }
    char escape[7];
    std::snprintf(escape, sizeof escape, "\\u%04x",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    shown += escape;
  }
  return shown;
}

// Fills a batch line straight from the parser's events, without building a document: one
// flat object whose values are numbers, booleans and strings, and the one object of
// "conventions". Faults are thrown as InputError from inside the parse.
class BirthDataReader : public nlohmann::json_sax<Json> {
 public:
  BirthDataReader(BatchBirth& input, ConventionTexts& conventions)
      : input_(input.birth),
        note_(input.note),
        entered_(input.enteredTime),
        conventions_(conventions) {}

  bool null() override { Wrong(); }

  bool boolean(bool value) override {
    if (Value().flag == nullptr) Wrong();
    input_.*current_->flag = value;
    return true;
  }

  bool number_integer(number_integer_t value) override {
    if (Value().number == nullptr) Wrong();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
      OutOfRange();
    }
    input_.*current_->number = static_cast<int>(value);
    return true;
  }

  bool number_unsigned(number_unsigned_t value) override {
    if (Value().number == nullptr) Wrong();
    if (value > static_cast<number_unsigned_t>(std::numeric_limits<int>::max())) OutOfRange();
    input_.*current_->number = static_cast<int>(value);
    return true;
  }

  // Also what the parser makes of an integer too long for 64 bits.
  bool number_float(number_float_t, const string_t&) override { Wrong(); }

  bool string(string_t& value) override {
    if (inConventions_) {
      conventions_.*currentConvention_->text = std::move(value);
    } else if (&Value() == &kEnteredKey) {
      entered_ = ReadEnteredTime(value);
    } else if (Value().kind == BirthKeyKind::Conventions) {
      conventions_.set = std::move(value);
    } else if (Value().kind == BirthKeyKind::Note) {
      note_ = std::move(value);
    } else if (Value().text != nullptr) {
      input_.*current_->text = std::move(value);
    } else {
      Wrong();
    }
    return true;
  }

  bool binary(binary_t&) override { Wrong(); }

  bool start_object(std::size_t) override {
    if (!inObject_) {
      inObject_ = true;
    } else if (!inConventions_ && Value().kind == BirthKeyKind::Conventions) {
      inConventions_ = true;
    } else {
      Wrong();
    }
    return true;
  }

  bool key(string_t& key) override {
    if (inConventions_) {
      const auto known =
          std::find_if(kConventionKeys.begin(), kConventionKeys.end(),
                       [&](const ConventionKey& candidate) { return candidate.key == key; });
      if (known == kConventionKeys.end()) {
        throw InputError("conventions." + ShownKey(key), "unknown key");
      }
      currentConvention_ = &*known;
      return true;
    }
    if (key == kEnteredKey.key) {
      current_ = &kEnteredKey;
      return true;
    }
    const auto known =
        std::find_if(kBirthKeys.begin(), kBirthKeys.end(),
                     [&](const BirthKey& candidate) { return candidate.key == key; });
    if (known == kBirthKeys.end()) throw InputError(ShownKey(key), "unknown key");
    current_ = &*known;
    seen_.set(static_cast<std::size_t>(known - kBirthKeys.begin()));
    return true;
  }

  bool end_object() override {
    if (inConventions_) {
      inConventions_ = false;
      return true;
    }
    for (std::size_t i = 0; i < kBirthKeys.size(); ++i) {
      if (kBirthKeys[i].required && !seen_.test(i)) {
        throw InputError(std::string(kBirthKeys[i].key), "missing");
      }
    }
    return true;
  }

  bool start_array(std::size_t) override { Wrong(); }

  // Never reached: every array is refused at its start.
  bool end_array() override { return true; }

  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& error) override {
    throw InputError("line", ParseMessage(error));
  }

 private:
  // The key the value being read belongs to. Outside the object there is none: the line
  // is not a JSON object. Inside, the parser has always given a key first.
  const BirthKey& Value() {
    if (!inObject_) throw InputError("line", "expected a JSON object");
    return *current_;
  }

  [[noreturn]] void Wrong() {
    if (inConventions_) {
      throw InputError("conventions." + std::string(currentConvention_->key), "expected a string");
    }
    throw InputError(std::string(Value().key), Expected(Value()));
  }

  [[noreturn]] void OutOfRange() {
    throw InputError(std::string(current_->key), "number out of range");
  }

  BirthData& input_;
  std::string& note_;
  std::optional<LocalDateTime>& entered_;
  ConventionTexts& conventions_;
  bool inObject_ = false;
  bool inConventions_ = false;
  const ConventionKey* currentConvention_ = nullptr;
  const BirthKey* current_ = nullptr;
  std::bitset<kBirthKeys.size()> seen_;
};

}  // namespace

BatchBirth ParseBatchLine(std::string_view line) {
  if (line.empty()) throw InputError("line", "empty");
  // The JSON reader ends its input at a NUL byte; JSON allows none outside its strings'
  // escapes, so a NUL anywhere makes the whole line faulty, not just the part before it.
  if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) {
    throw InputError("line", "malformed JSON: a NUL byte at column " + std::to_string(nul + 1));
  }
  BatchBirth input;
  ConventionTexts conventions;
  BirthDataReader reader(input, conventions);
  Json::sax_parse(line.begin(), line.end(), &reader);
  input.conventions = ConventionsOfTexts(conventions, ConventionBatchNames());
  input.conventionsGiven = AnyConventionGiven(conventions);
  return input;
}

}  // namespace velquor
