#include "chart/birth_timeline.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "astro/ascendant.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/position_text.h"
#include "astro/sunrise.h"
#include "chart/birth_instant.h"
#include "chart/chart_engine.h"
#include "chart/validation.h"
#include "pranapada/pranapada_lagna.h"
#include "pranapada/reference_sunrise.h"

namespace velquor {

namespace {

constexpr std::int64_t kSecondsPerMinute = 60;

int SignNumberOfLongText(const std::string& longText) {
  return SignIndexOfShortPosition(ShortPosition(longText)) + 1;
}

// Equal in everything but the degrees, which move within an interval.
bool SameShown(TimelineChart a, const TimelineChart& b) {
  a.firstDegrees = b.firstDegrees;
  a.lastDegrees = b.lastDegrees;
  return a == b;
}

int HouseFrom(int sign, int firstHouseSign) { return (sign - firstHouseSign + 12) % 12 + 1; }

// An event that does not happen: no cut.
constexpr std::int64_t kNoEvent = INT64_MIN;

// The sunrise and sunset pairs that a birth on one civil date reads: the day before, the
// day itself and the day after; and the instants, in seconds of the clock, at which the
// reference day can change or the elapsed time turn.
struct DaySuns {
  LocalDateTime date;  // midnight of the date
  std::array<SunRiseSet, 3> days;
  std::array<std::int64_t, 4> cuts{};  // sunrise D-1, sunrise D, sunset D + 1 s, sunrise D+1

  const SunRiseSet& Before() const { return days[0]; }
  const SunRiseSet& Today() const { return days[1]; }
  const SunRiseSet& After() const { return days[2]; }
};

// What a stretch of seconds shares and the Pranapada reads besides the elapsed time: the
// signs of the ascendant and the Moon, the ayanamsa the classic Sun takes, and the Sun at
// birth when the count starts from it. The classic ephemeris reads the clock to the minute,
// so a whole minute shares them; the precise one reads seconds.
struct SlowState {
  int ascendantSign = 1;
  int moonSign = 1;
  double ayanamsa = 0.0;
  std::string sunAtBirthText;

  bool SameShown(const SlowState& other) const {
    return ascendantSign == other.ascendantSign && moonSign == other.moonSign &&
           sunAtBirthText == other.sunAtBirthText;
  }
};

// Seconds of one minute that share a SlowState.
struct Stretch {
  LocalDateTime minute;           // second 0 of the minute
  std::int64_t minuteSecond = 0;  // the same, in seconds of the clock
  const DaySuns* suns = nullptr;
  SlowState state;
};

// The chart of one second, as far as the timeline shows it.
struct SecondChart {
  TimelineChart shown;
  double degrees = 0.0;
};

// The Moon moves about half a degree an hour, never backwards: over a stretch this short it
// changes sign at most once, so a sign shared by both ends holds throughout.
constexpr std::int64_t kMoonStretchMinutes = 60;

class TimelineBuilder {
 public:
  TimelineBuilder(const BirthData& birth, const Conventions& conventions)
      : engine_(birth, conventions),
        night_(NightCountOf(conventions)),
        sunAtBirth_(conventions.pranapadaSun == PranapadaSunConvention::AtBirth) {}

  // Seconds first..last (0..59) of the minute starting at `minute`.
  void AddMinute(const LocalDateTime& minute, int first, int last) {
    Stretch stretch;
    stretch.minute = minute;
    stretch.minuteSecond = SecondsSinceEpoch(minute);
    stretch.suns = &SunsOf(minute);
    const SunRiseSet& today = stretch.suns->Today();
    if (!today.sunrise.occurs()) {
      AppendStop(minute, first, last, StopReason::NoSunrise, stretch.suns->date, today.sunrise);
      return;
    }
    if (!today.sunset.occurs() && night_ == NightCount::ToNextSunrise) {
      AppendStop(minute, first, last, StopReason::NoSunset, stretch.suns->date, today.sunset);
      return;
    }
    if (!engine_.ReadsSeconds()) {
      stretch.state = MinuteStateOf(minute, stretch.minuteSecond);
      AddStretch(stretch, first, last);
      return;
    }
    // Positions to the second: split the minute where what the seconds share changes; each
    // of those signs moves one way, so bisect for the change.
    int from = first;
    SlowState state = StateAt(minute, from);
    while (from <= last) {
      int to = last;
      SlowState next;
      if (!(next = StateAt(minute, last)).SameShown(state)) {
        int same = from;
        int changed = last;
        while (changed - same > 1) {
          const int middle = same + (changed - same) / 2;
          (StateAt(minute, middle).SameShown(state) ? same : changed) = middle;
        }
        to = same;
        next = StateAt(minute, changed);
      }
      stretch.state = state;
      AddStretch(stretch, from, to);
      from = to + 1;
      state = next;
    }
  }

  std::vector<TimelineInterval> Take() { return std::move(intervals_); }

 private:
  SlowState StateAt(const LocalDateTime& minute, int second) const {
    const LocalDateTime clock = AddSeconds(minute, second);
    const AscendantResult ascendant = engine_.Ascendant(clock);
    SlowState state;
    state.ascendantSign = SignNumberOfLongText(ascendant.AscendantText);
    state.moonSign = SignNumberOfLongText(engine_.Moon(clock).MoonText);
    state.ayanamsa = std::fabs(ascendant.AyanamsaOffset);
    if (sunAtBirth_) state.sunAtBirthText = ShortText(engine_.Sun(clock, state.ayanamsa));
    return state;
  }

  // The classic state of a whole minute; the Moon's sign read once an hour where it holds.
  SlowState MinuteStateOf(const LocalDateTime& minute, std::int64_t minuteSecond) {
    const AscendantResult ascendant = engine_.Ascendant(minute);
    SlowState state;
    state.ascendantSign = SignNumberOfLongText(ascendant.AscendantText);
    state.moonSign = MoonSignAt(minuteSecond);
    state.ayanamsa = std::fabs(ascendant.AyanamsaOffset);
    if (sunAtBirth_) state.sunAtBirthText = ShortText(engine_.Sun(minute, state.ayanamsa));
    return state;
  }

  static std::string ShortText(double longitude) {
    return ShortPosition(FormatLongitude(longitude));
  }

  int MoonSignOfMinute(std::int64_t minuteSecond) const {
    return SignNumberOfLongText(engine_.Moon(FromSecondsSinceEpoch(minuteSecond)).MoonText);
  }

  int MoonSignAt(std::int64_t minuteSecond) {
    const std::int64_t stretch = kMoonStretchMinutes * kSecondsPerMinute;
    const std::int64_t stretchStart = minuteSecond - (minuteSecond % stretch + stretch) % stretch;
    if (stretchStart != moonStretchStart_) {
      moonStretchStart_ = stretchStart;
      moonAtStart_ = MoonSignOfMinute(stretchStart);
      moonAtEnd_ = MoonSignOfMinute(stretchStart + stretch - kSecondsPerMinute);
    }
    return moonAtStart_ == moonAtEnd_ ? moonAtStart_ : MoonSignOfMinute(minuteSecond);
  }

  const DaySuns& SunsOf(const LocalDateTime& minute) {
    const LocalDateTime date{minute.year, minute.month, minute.day, 0, 0, 0};
    for (const DaySuns& known : suns_) {
      if (known.date == date) return known;
    }
    DaySuns suns{date, {}, {}};
    for (std::size_t i = 0; i < suns.days.size(); ++i) {
      suns.days[i] = engine_.SunRiseSetOf(AddDays(date, static_cast<std::int64_t>(i) - 1));
    }
    const auto secondOf = [](const SunEvent& event, std::int64_t after) {
      return event.occurs() ? SecondsSinceEpoch(event.time) + after : kNoEvent;
    };
    suns.cuts = {secondOf(suns.Before().sunrise, 0), secondOf(suns.Today().sunrise, 0),
                 secondOf(suns.Today().sunset, 1), secondOf(suns.After().sunrise, 0)};
    suns_.push_back(suns);
    return suns_.back();
  }

  // The short text of the Sun at a reference sunrise; the classic one takes the ayanamsa of
  // the birth minute, so it is kept for the last one asked.
  const std::string& SunAtSunriseText(const LocalDateTime& sunrise, double ayanamsa) {
    if (sunrise != lastSunrise_ || ayanamsa != lastAyanamsa_) {
      lastSunrise_ = sunrise;
      lastAyanamsa_ = ayanamsa;
      lastSunText_ = ShortText(engine_.Sun(sunrise, ayanamsa));
    }
    return lastSunText_;
  }

  // Seconds a..b of one stretch: within a minute the reference day changes only at an event
  // of the day, and the elapsed time turns only at the reference sunrise, so cut there.
  void AddStretch(const Stretch& stretch, int first, int last) {
    std::array<int, 5> cuts{};
    std::size_t cutCount = 0;
    cuts[cutCount++] = first;
    for (const std::int64_t event : stretch.suns->cuts) {
      if (event == kNoEvent) continue;
      const std::int64_t at = event - stretch.minuteSecond;
      if (at <= first || at > last) continue;
      std::size_t i = cutCount++;
      for (; i > 0 && cuts[i - 1] > at; --i) cuts[i] = cuts[i - 1];
      cuts[i] = static_cast<int>(at);
    }
    for (std::size_t i = 0; i < cutCount; ++i) {
      const int pieceEnd = i + 1 < cutCount ? cuts[i + 1] - 1 : last;
      if (cuts[i] <= pieceEnd) AddPiece(stretch, cuts[i], pieceEnd);
    }
  }

  // Seconds a..b within which the reference day stays and the elapsed time runs one way.
  void AddPiece(const Stretch& stretch, int a, int b) {
    const LocalDateTime from = AddSeconds(stretch.minute, a);
    const SunRiseSet& today = stretch.suns->Today();
    const ReferenceDay day = ReferenceDayOf(from, today.sunrise.time, today.sunset.time, night_);
    const SunEvent& reference = day == ReferenceDay::Previous ? stretch.suns->Before().sunrise
                                : day == ReferenceDay::Next   ? stretch.suns->After().sunrise
                                                              : today.sunrise;
    if (!reference.occurs()) {
      const LocalDateTime& date = stretch.suns->date;
      AppendStop(stretch.minute, a, b, StopReason::NoSunrise,
                 AddDays(date, day == ReferenceDay::Previous ? -1 : 1), reference);
      return;
    }
    const SlowState& state = stretch.state;
    const std::string sunText =
        sunAtBirth_ ? state.sunAtBirthText : SunAtSunriseText(reference.time, state.ayanamsa);
    const std::int64_t referenceSecond = SecondsSinceEpoch(reference.time);
    const auto chartAt = [&](int second) {
      // ElapsedBetween's seconds: the distance to the reference sunrise, either way.
      const std::int64_t elapsed = std::llabs(stretch.minuteSecond + second - referenceSecond);
      const PranapadaResult p = ComputePranapadaLagna(sunText, elapsed, state.ascendantSign);
      SecondChart c;
      c.shown.pranapadaSign = p.PpLSign;
      c.shown.ascendantSign = state.ascendantSign;
      c.shown.moonSign = state.moonSign;
      c.shown.houseFromAscendant = p.House;
      c.shown.houseFromMoon = HouseFrom(p.PpLSign, state.moonSign);
      c.shown.referenceSunrise = reference.time;
      c.shown.checkFromAscendant = IsCheckHouse(c.shown.houseFromAscendant);
      c.shown.checkFromMoon = IsCheckHouse(c.shown.houseFromMoon);
      c.degrees = PranapadaLongitude(sunText, p);
      return c;
    };
    const SecondChart first = chartAt(a);
    const SecondChart last = chartAt(b);
    if (first.shown.pranapadaSign == last.shown.pranapadaSign) {
      AppendChart(stretch.minute, a, b, first, last);
      return;
    }
    // The Pranapada moves 5' a second, so it changes sign once at most in a piece; its sign
    // index never steps back while the elapsed time runs one way, so bisect for the change.
    int same = a;
    int changed = b;
    while (changed - same > 1) {
      const int middle = same + (changed - same) / 2;
      (chartAt(middle).shown.pranapadaSign == first.shown.pranapadaSign ? same : changed) = middle;
    }
    AppendChart(stretch.minute, a, same, first, chartAt(same));
    AppendChart(stretch.minute, changed, b, chartAt(changed), last);
  }

  void AppendChart(const LocalDateTime& minute, int a, int b, const SecondChart& first,
                   const SecondChart& last) {
    if (!intervals_.empty() && intervals_.back().chart &&
        SameShown(*intervals_.back().chart, first.shown)) {
      intervals_.back().to = AddSeconds(minute, b);
      intervals_.back().chart->lastDegrees = last.degrees;
      return;
    }
    TimelineChart shown = first.shown;
    shown.firstDegrees = first.degrees;
    shown.lastDegrees = last.degrees;
    intervals_.push_back(
        {AddSeconds(minute, a), AddSeconds(minute, b), shown, StopReason::None, std::string()});
  }

  void AppendStop(const LocalDateTime& minute, int a, int b, StopReason reason,
                  const LocalDateTime& date, const SunEvent& event) {
    std::string message = NoSunEventMessage(date, reason, event.status);
    if (!intervals_.empty() && !intervals_.back().chart &&
        intervals_.back().stopMessage == message) {
      intervals_.back().to = AddSeconds(minute, b);
      return;
    }
    intervals_.push_back(
        {AddSeconds(minute, a), AddSeconds(minute, b), std::nullopt, reason, std::move(message)});
  }

  const ChartEngine engine_;
  const NightCount night_;
  const bool sunAtBirth_;
  std::vector<DaySuns> suns_;
  LocalDateTime lastSunrise_{0, 1, 1, 0, 0, 0};
  double lastAyanamsa_ = -1.0;
  std::string lastSunText_;
  std::int64_t moonStretchStart_ = INT64_MIN;
  int moonAtStart_ = 0;
  int moonAtEnd_ = 0;
  std::vector<TimelineInterval> intervals_;
};

bool WithinYears(const LocalDateTime& t) { return t.year >= kFirstYear && t.year <= kLastYear; }

}  // namespace

bool IsCheckHouse(int house) { return house == 1 || house == 5 || house == 9 || house == 7; }

std::vector<TimelineInterval> BirthTimeline(const BirthData& birth, int spanMinutes,
                                            const Conventions& conventions) {
  if (const auto failure = CheckChartable(birth)) {
    throw std::invalid_argument("BirthTimeline: " + failure->message);
  }
  if (spanMinutes < 0 || spanMinutes > kMaxTimelineSpanMinutes) {
    throw std::invalid_argument("BirthTimeline: a span of " + std::to_string(spanMinutes) +
                                " minutes is not within 0 to " +
                                std::to_string(kMaxTimelineSpanMinutes));
  }
  const LocalDateTime moment = BirthMomentOf(birth);
  LocalDateTime first = AddSeconds(moment, -spanMinutes * kSecondsPerMinute);
  LocalDateTime last = AddSeconds(moment, spanMinutes * kSecondsPerMinute);
  if (!WithinYears(first)) first = {kFirstYear, 1, 1, 0, 0, 0};
  if (!WithinYears(last)) last = {kLastYear, 12, 31, 23, 59, 59};

  TimelineBuilder builder(birth, conventions);
  LocalDateTime minute = first;
  minute.second = 0;
  for (; minute <= last; minute = AddSeconds(minute, kSecondsPerMinute)) {
    const int from = minute < first ? first.second : 0;
    const int to = static_cast<int>(std::min<std::int64_t>(59, SecondsBetween(minute, last)));
    builder.AddMinute(minute, from, to);
  }
  return builder.Take();
}

const TimelineInterval* IntervalAt(const std::vector<TimelineInterval>& timeline,
                                   const LocalDateTime& moment) {
  const auto after = std::upper_bound(
      timeline.begin(), timeline.end(), moment,
      [](const LocalDateTime& t, const TimelineInterval& interval) { return t < interval.from; });
  if (after == timeline.begin()) return nullptr;
  const TimelineInterval& candidate = *(after - 1);
  return moment <= candidate.to ? &candidate : nullptr;
}

}  // namespace velquor
