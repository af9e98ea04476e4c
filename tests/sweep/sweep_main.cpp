// velquor_sweep: runs the charts of the domain sweep on worker threads, checks each with
// ChartOutcomeFaults and checks that the sweep reached every edge of the domain.
//
//   velquor_sweep reduced|full [--threads N] [--day-step N] [--charts-per-cell N] [--cell-step N]
//
// Exit status 0 when every chart was sound and the domain was covered, 1 otherwise,
// 2 for bad arguments.
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "astro/date_time.h"
#include "chart/chart_run.h"
#include "chart/time_zones.h"
#include "sweep/chart_checks.h"
#include "sweep/sweep_plan.h"

namespace velquor {
namespace {

constexpr std::size_t kFaultsKept = 20;
constexpr std::uint64_t kChunk = 4096;

// The edges the sweep must reach; a plan that misses one proves less than it claims.
struct Coverage {
  std::array<bool, 2 * kTimeZoneCount> zoneAndFlag{};
  bool firstDay = false, lastDay = false, leapDay = false, newYearsEve = false;
  bool midnight = false, lastSecond = false;
  std::array<bool, 4> latitudeEdges{};   // 0° 0' and 89° 59', North and South
  std::array<bool, 4> longitudeEdges{};  // 0° 0' and 179° 59', East and West

  void Note(const BirthData& b) {
    zoneAndFlag[static_cast<std::size_t>(b.zoneIndex * 2 + (b.isDst ? 1 : 0))] = true;
    firstDay = firstDay || (b.yearNumber == 1901 && b.monthNumber == 1 && b.dayNumber == 1);
    lastDay = lastDay || (b.yearNumber == 2050 && b.monthNumber == 12 && b.dayNumber == 31);
    leapDay = leapDay || (b.monthNumber == 2 && b.dayNumber == 29);
    newYearsEve = newYearsEve || (b.monthNumber == 12 && b.dayNumber == 31);
    midnight = midnight || (b.hourNumber == 0 && b.minuteNumber == 0 && b.secondNumber == 0);
    lastSecond = lastSecond || (b.hourNumber == 23 && b.minuteNumber == 59 && b.secondNumber == 59);
    const std::size_t south = b.isSouth ? 2 : 0;
    if (b.latDegrees == 0 && b.latMinutes == 0) latitudeEdges[south] = true;
    if (b.latDegrees == 89 && b.latMinutes == 59) latitudeEdges[south + 1] = true;
    const std::size_t west = b.isEast ? 0 : 2;
    if (b.lonDegrees == 0 && b.lonMinutes == 0) longitudeEdges[west] = true;
    if (b.lonDegrees == 179 && b.lonMinutes == 59) longitudeEdges[west + 1] = true;
  }

  void Merge(const Coverage& o) {
    for (std::size_t i = 0; i < zoneAndFlag.size(); ++i)
      zoneAndFlag[i] = zoneAndFlag[i] || o.zoneAndFlag[i];
    for (std::size_t i = 0; i < 4; ++i) {
      latitudeEdges[i] = latitudeEdges[i] || o.latitudeEdges[i];
      longitudeEdges[i] = longitudeEdges[i] || o.longitudeEdges[i];
    }
    firstDay = firstDay || o.firstDay;
    lastDay = lastDay || o.lastDay;
    leapDay = leapDay || o.leapDay;
    newYearsEve = newYearsEve || o.newYearsEve;
    midnight = midnight || o.midnight;
    lastSecond = lastSecond || o.lastSecond;
  }

  std::vector<std::string> Gaps() const {
    std::vector<std::string> gaps;
    const auto need = [&](bool reached, const char* what) {
      if (!reached) gaps.emplace_back(what);
    };
    need(std::all_of(zoneAndFlag.begin(), zoneAndFlag.end(), [](bool b) { return b; }),
         "every zone with and without daylight saving");
    need(firstDay && lastDay, "1 January 1901 and 31 December 2050");
    need(leapDay && newYearsEve, "29 February and 31 December");
    need(midnight && lastSecond, "00:00:00 and 23:59:59");
    need(std::all_of(latitudeEdges.begin(), latitudeEdges.end(), [](bool b) { return b; }),
         "latitudes 0° 0' and 89° 59', North and South");
    need(std::all_of(longitudeEdges.begin(), longitudeEdges.end(), [](bool b) { return b; }),
         "longitudes 0° 0' and 179° 59', East and West");
    return gaps;
  }
};

struct Tally {
  std::uint64_t charts = 0, completed = 0, stopped = 0, faulty = 0;
  Coverage coverage;
};

std::string Describe(std::uint64_t index, const BirthData& b) {
  char text[160];
  std::snprintf(text, sizeof text,
                "chart %llu: %04d-%02d-%02d %02d:%02d:%02d, %d%c%02d %d%c%02d, zone %d, dst %s",
                static_cast<unsigned long long>(index), b.yearNumber, b.monthNumber, b.dayNumber,
                b.hourNumber, b.minuteNumber, b.secondNumber, b.latDegrees, b.isSouth ? 'S' : 'N',
                b.latMinutes, b.lonDegrees, b.isEast ? 'E' : 'W', b.lonMinutes, b.zoneIndex,
                b.isDst ? "on" : "off");
  return text;
}

class Sweep {
 public:
  explicit Sweep(const SweepPlan& plan) : plan_(plan) {}

  Tally Run(unsigned threads) {
    std::vector<std::thread> workers;
    std::vector<Tally> tallies(threads);
    for (unsigned t = 0; t < threads; ++t)
      workers.emplace_back([this, &tallies, t] { Work(tallies[t]); });
    for (std::thread& w : workers) w.join();
    Tally total;
    for (const Tally& t : tallies) {
      total.charts += t.charts;
      total.completed += t.completed;
      total.stopped += t.stopped;
      total.faulty += t.faulty;
      total.coverage.Merge(t.coverage);
    }
    return total;
  }

  const std::vector<std::string>& Faults() const { return faults_; }

 private:
  void Work(Tally& tally) {
    for (;;) {
      const std::uint64_t begin = next_.fetch_add(kChunk);
      if (begin >= plan_.ChartCount()) return;
      const std::uint64_t end = std::min(begin + kChunk, plan_.ChartCount());
      for (std::uint64_t i = begin; i < end; ++i) Check(i, tally);
    }
  }

  void Check(std::uint64_t index, Tally& tally) {
    const BirthData c = plan_.Chart(index);
    tally.coverage.Note(c);
    ++tally.charts;
    std::vector<std::string> faults;
    try {
      const ChartOutcome outcome = RunChart(c);
      ++(outcome.chart ? tally.completed : tally.stopped);
      faults = ChartOutcomeFaults(c, outcome);
    } catch (const std::exception& error) {
      faults.push_back(std::string("threw: ") + error.what());
    }
    if (faults.empty()) return;
    ++tally.faulty;
    const std::lock_guard lock(faultsMutex_);
    for (const std::string& fault : faults) {
      if (faults_.size() < kFaultsKept) faults_.push_back(Describe(index, c) + ": " + fault);
    }
  }

  const SweepPlan& plan_;
  std::atomic<std::uint64_t> next_{0};
  std::mutex faultsMutex_;
  std::vector<std::string> faults_;
};

int Usage() {
  std::fputs(
      "usage: velquor_sweep reduced|full [--threads N] [--day-step N] [--charts-per-cell N] "
      "[--cell-step N]\n",
      stderr);
  return 2;
}

}  // namespace
}  // namespace velquor

int main(int argc, char** argv) {
  using namespace velquor;
  if (argc < 2) return Usage();
  SweepSize size;
  const std::string_view name = argv[1];
  if (name == "reduced") {
    size = {0, 1, 5};  // turning days only, one chart in five cells
  } else if (name == "full") {
    size = {1, 4, 1};  // every day, four charts in every cell
  } else {
    return Usage();
  }
  unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    int value = 0;
    try {
      value = std::stoi(argv[i + 1]);
    } catch (const std::exception&) {
      return Usage();
    }
    if (option == "--threads" && value > 0)
      threads = static_cast<unsigned>(value);
    else if (option == "--day-step")
      size.dayStep = value;
    else if (option == "--charts-per-cell")
      size.chartsPerCell = value;
    else if (option == "--cell-step")
      size.cellStep = value;
    else
      return Usage();
  }
  if (argc % 2 != 0) return Usage();

  try {
    const SweepPlan plan(size);
    const auto start = std::chrono::steady_clock::now();
    Sweep sweep(plan);
    const Tally tally = sweep.Run(threads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf(
        "sweep %s: %zu days x %d zones x 2 daylight flags, every %d-th cell, %d chart(s) each\n",
        argv[1], plan.DayCount(), kTimeZoneCount, size.cellStep, size.chartsPerCell);
    std::printf(
        "%llu charts in %.1f s on %u thread(s): %llu completed, %llu polar stops, %llu faulty\n",
        static_cast<unsigned long long>(tally.charts), seconds, threads,
        static_cast<unsigned long long>(tally.completed),
        static_cast<unsigned long long>(tally.stopped),
        static_cast<unsigned long long>(tally.faulty));
    for (const std::string& fault : sweep.Faults()) std::printf("FAULT %s\n", fault.c_str());
    const std::vector<std::string> gaps = tally.coverage.Gaps();
    for (const std::string& gap : gaps) std::printf("NOT REACHED %s\n", gap.c_str());
    return tally.faulty == 0 && gaps.empty() ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "velquor_sweep: %s\n", error.what());
    return 2;
  }
}
