// Finding saved births by what a user types: every word typed must occur in the birth's
// name or place (city, state, country), whatever the case and accents ("sao" finds "São
// Paulo"). Built once per list; each query scans prepared texts, so that a list of 10,000
// births filters at every keystroke.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "births/saved_birth.h"

namespace velquor {

class BirthFilter {
 public:
  explicit BirthFilter(const std::vector<SavedBirth>& births);

  // The positions in the list given to the constructor of the births that match `query`,
  // in list order; every position for a query without words.
  std::vector<std::size_t> Matching(std::string_view query) const;

 private:
  std::vector<std::string> folded_;  // per birth: name and place, folded, one blank apart
};

}  // namespace velquor
