#include "births/birth_filter.h"

#include <algorithm>

#include "text/text_folding.h"

namespace velquor {

BirthFilter::BirthFilter(const std::vector<SavedBirth>& births) {
  folded_.reserve(births.size());
  for (const SavedBirth& saved : births) {
    const BirthData& b = saved.birth;
    folded_.push_back(
        FoldForSearch(b.personName + ' ' + b.cityText + ' ' + b.stateText + ' ' + b.countryText));
  }
}

std::vector<std::size_t> BirthFilter::Matching(std::string_view query) const {
  const std::string folded = FoldForSearch(query);
  std::vector<std::string_view> words;
  for (std::size_t start = 0; start < folded.size();) {
    const std::size_t end = std::min(folded.find(' ', start), folded.size());
    words.push_back(std::string_view(folded).substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::size_t> matching;
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    const std::string& text = folded_[i];
    if (std::all_of(words.begin(), words.end(),
                    [&](std::string_view word) { return text.find(word) != std::string::npos; })) {
      matching.push_back(i);
    }
  }
  return matching;
}

}  // namespace velquor
