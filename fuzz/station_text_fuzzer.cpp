// Any text given to the station parser: it is refused with std::invalid_argument, or it
// reads as a real calendar date and clock time that the text form writes back to the
// same moment.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "astro/date_time.h"
#include "retro/station.h"

namespace {

[[noreturn]] void Fail(const char* what, const velquor::LocalDateTime& t) {
  std::fprintf(stderr, "station text fuzzer: %s: %s\n", what, velquor::FormatSecond(t).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velquor;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  LocalDateTime moment;
  try {
    moment = ParseStation(text);
  } catch (const std::invalid_argument&) {
    return 0;
  }
  if (!IsValidCivilDate(moment.year, moment.month, moment.day) || moment.hour < 0 ||
      moment.hour > 23 || moment.minute < 0 || moment.minute > 59 || moment.second != 0) {
    Fail("accepted a moment that does not exist", moment);
  }
  const StationMoment station{moment.month, moment.day, moment.year, moment.hour, moment.minute};
  if (ParseStation(FormatStation(station)) != moment) Fail("text form does not read back", moment);
  return 0;
}
