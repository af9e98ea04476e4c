#include "gui/result/birth_time_cursor.h"

#include <stdexcept>

#include "chart/birth_instant.h"

namespace velquor {

namespace {

bool InDomain(const LocalDateTime& moment) {
  return moment.year >= kFirstYear && moment.year <= kLastYear;
}

}  // namespace

BirthTimeCursor::BirthTimeCursor(const BirthData& birth, int spanMinutes,
                                 const Conventions& conventions)
    : entered_(birth),
      moment_(BirthMomentOf(birth)),
      spanMinutes_(spanMinutes),
      conventions_(conventions) {
  recentre(moment_);
}

LocalDateTime BirthTimeCursor::enteredMoment() const { return BirthMomentOf(entered_); }

BirthData BirthTimeCursor::birth() const { return BirthAt(entered_, moment_); }

std::int64_t BirthTimeCursor::movedSeconds() const {
  return SecondsBetween(enteredMoment(), moment_);
}

const TimelineInterval& BirthTimeCursor::current() const {
  const TimelineInterval* interval = IntervalAt(*timeline_, moment_);
  // The moment always lies in its timeline: every move re-centres when it leaves it.
  if (interval == nullptr) throw std::logic_error("the birth moment left its timeline");
  return *interval;
}

void BirthTimeCursor::recentre(const LocalDateTime& centre) {
  auto computed = std::make_shared<Timeline>(
      BirthTimeline(BirthAt(entered_, centre), spanMinutes_, conventions_));
  if (computed->empty()) throw std::invalid_argument("the birth time has no timeline");
  timeline_ = std::move(computed);
}

const TimelineInterval& BirthTimeCursor::settledAt(const LocalDateTime& moment) {
  const TimelineInterval* interval = IntervalAt(*timeline_, moment);
  if (interval == nullptr || interval == &timeline_->front() || interval == &timeline_->back()) {
    recentre(moment);
    interval = IntervalAt(*timeline_, moment);
  }
  return *interval;
}

bool BirthTimeCursor::moveTo(const LocalDateTime& target) {
  if (!InDomain(target) || target == moment_) return false;
  // Copied first: the target may lie in the timeline that re-centring replaces.
  const LocalDateTime moved = target;
  if (IntervalAt(*timeline_, moved) == nullptr) recentre(moved);
  moment_ = moved;
  return true;
}

bool BirthTimeCursor::moveBy(std::int64_t seconds) { return moveTo(AddSeconds(moment_, seconds)); }

bool BirthTimeCursor::moveToNextBoundary() { return moveTo(AddSeconds(settledAt(moment_).to, 1)); }

bool BirthTimeCursor::moveToPreviousBoundary() {
  const TimelineInterval& holding = settledAt(moment_);
  if (holding.from != moment_) return moveTo(holding.from);
  const LocalDateTime before = AddSeconds(moment_, -1);
  if (!InDomain(before)) return false;
  const LocalDateTime previousStart = settledAt(before).from;
  return moveTo(previousStart);
}

bool BirthTimeCursor::moveToStart() { return moveTo(timeline_->front().from); }

bool BirthTimeCursor::moveToEnd() { return moveTo(timeline_->back().to); }

void BirthTimeCursor::setSpan(int spanMinutes) {
  spanMinutes_ = spanMinutes;
  recentre(moment_);
}

void BirthTimeCursor::setConventions(const Conventions& conventions) {
  conventions_ = conventions;
  recentre(moment_);
}

void BirthTimeCursor::adopt() { entered_ = birth(); }

}  // namespace velquor
