// A fault in birth data given as text (a batch line, an import file, the command line's
// options), naming the field it is in.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace velquor {

class InputError : public std::runtime_error {
 public:
  InputError(std::string field, const std::string& message)
      : std::runtime_error(field + ": " + message), field_(std::move(field)) {}

  // The field as the user wrote it: an option ("--lat") or a JSON key ("lat_deg").
  const std::string& field() const { return field_; }

 private:
  std::string field_;
};

}  // namespace velquor
