#include "cli/progress_line.h"

#include <utility>

namespace velquor {

namespace {

constexpr auto kInterval = std::chrono::milliseconds(250);

}  // namespace

ProgressLine::ProgressLine(std::ostream* terminal, std::string verb, std::string noun)
    : terminal_(terminal), verb_(std::move(verb)), noun_(std::move(noun)) {}

void ProgressLine::Show(std::uint64_t done, std::uint64_t failed, Clock::time_point now) {
  if (terminal_ == nullptr) return;
  if (shownWidth_ != 0 && now - shownAt_ < kInterval) return;
  std::string text = verb_ + " " + std::to_string(done) + " " + noun_;
  if (failed != 0) text += " (" + std::to_string(failed) + " failed)";
  // The counts only grow, so each text covers the one before it.
  *terminal_ << '\r' << text << std::flush;
  shownWidth_ = text.size();
  shownAt_ = now;
}

void ProgressLine::Finish() {
  if (terminal_ == nullptr || shownWidth_ == 0) return;
  *terminal_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
  shownWidth_ = 0;
}

}  // namespace velquor
