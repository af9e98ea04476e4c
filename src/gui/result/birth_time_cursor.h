// The birth time as the result window moves it: the birth as it was charted, the moment it
// has been moved to, and the timeline of intervals around that moment. Plain C++: the strip
// draws it, the result window charts its moment.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "astro/date_time.h"
#include "chart/birth_data.h"
#include "chart/birth_timeline.h"
#include "chart/conventions.h"

namespace velquor {

class BirthTimeCursor {
 public:
  using Timeline = std::vector<TimelineInterval>;

  // Starts at the birth's own moment, with the timeline of ±spanMinutes (1..
  // kMaxTimelineSpanMinutes) around it counted by `conventions`. Throws
  // std::invalid_argument as BirthTimeline does.
  BirthTimeCursor(const BirthData& birth, int spanMinutes, const Conventions& conventions);

  // The birth as entered (or as last adopted), and its moment.
  const BirthData& entered() const { return entered_; }
  LocalDateTime enteredMoment() const;
  // The moment moved to, and the birth data at that moment (the zone and flags as entered).
  const LocalDateTime& moment() const { return moment_; }
  BirthData birth() const;
  // moment() - enteredMoment(), seconds.
  std::int64_t movedSeconds() const;

  int spanMinutes() const { return spanMinutes_; }
  const Conventions& conventions() const { return conventions_; }
  // Never empty. Shared, so that a view can keep it and tell a new timeline by its address.
  const std::shared_ptr<const Timeline>& timeline() const { return timeline_; }
  const TimelineInterval& current() const;

  // Each move returns false, and leaves everything as it was, for a target whose date falls
  // outside years kFirstYear..kLastYear or that equals the moment. A target outside the
  // timeline re-centres the timeline on it.
  bool moveTo(const LocalDateTime& target);
  bool moveBy(std::int64_t seconds);
  // To the first second of the next interval.
  bool moveToNextBoundary();
  // To the first second of the current interval, or of the previous one when the moment is
  // already the current one's first second.
  bool moveToPreviousBoundary();
  // To the first or the last second of the timeline.
  bool moveToStart();
  bool moveToEnd();

  // A new span, or new conventions: the timeline re-centred on the moment.
  void setSpan(int spanMinutes);
  void setConventions(const Conventions& conventions);
  // The moment becomes the entered time (the user took it into the form).
  void adopt();

 private:
  void recentre(const LocalDateTime& centre);
  // The interval holding `moment` with the timeline re-centred first when that interval
  // is the first or the last one (which the span may cut short).
  const TimelineInterval& settledAt(const LocalDateTime& moment);

  BirthData entered_;
  LocalDateTime moment_;
  int spanMinutes_ = kDefaultTimelineSpanMinutes;
  Conventions conventions_;
  std::shared_ptr<const Timeline> timeline_;
};

}  // namespace velquor
