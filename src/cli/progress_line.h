// A line on the terminal that says how far a long run has come: rewritten in place at most
// four times a second, and cleared at the end, so that the terminal is left as the run
// found it. Commands make one only when standard error is a terminal and --quiet is not
// given, so that logs and pipes never see it.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace velquor {

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;

  // `terminal` null: shows nothing. `noun` names what is counted ("lines", "records").
  ProgressLine(std::ostream* terminal, std::string verb, std::string noun);
  ~ProgressLine() { Finish(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // "charted 12000 lines (3 failed)", unless the last one was shown less than a quarter of
  // a second before `now`.
  void Show(std::uint64_t done, std::uint64_t failed, Clock::time_point now = Clock::now());
  // Blanks the line shown last, if any; Show may start a new one afterwards.
  void Finish();

 private:
  std::ostream* terminal_;
  std::string verb_;
  std::string noun_;
  std::size_t shownWidth_ = 0;
  Clock::time_point shownAt_{};
};

}  // namespace velquor
