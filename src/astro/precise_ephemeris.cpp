#include "astro/precise_ephemeris.h"

#include <swephexp.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "astro/swe_thread.h"

namespace velquor {

namespace swe_thread {

namespace {

// The library's state lives in thread-local storage: each thread sets its own folder and
// sidereal mode, and closes its own files when it ends (the library's storage outlives
// this object's destructor, which runs first at thread exit).
struct ThreadState {
  bool ready = false;

  ThreadState() = default;
  ThreadState(const ThreadState&) = delete;
  ThreadState& operator=(const ThreadState&) = delete;
  ~ThreadState() {
    if (ready) swe_close();
  }
};

thread_local ThreadState threadState;

// The variable `name`'s value when set and not empty; throws EphemerisUnavailable when it
// is longer than the library takes.
const char* FolderVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] == '\0') return nullptr;
  const std::size_t length = std::strlen(value);
  if (length > kMaxEphemerisPathLength) {
    throw EphemerisUnavailable(std::string(name) + " is " + std::to_string(length) +
                               " characters long; the Swiss Ephemeris takes a folder list of "
                               "at most " +
                               std::to_string(kMaxEphemerisPathLength) +
                               ": name a shorter folder (a symbolic link to it, say)");
  }
  return value;
}

std::string DataFolder() {
  // The library reads SE_EPHE_PATH itself; only its length is checked here.
  FolderVariable("SE_EPHE_PATH");
  if (const char* folder = FolderVariable("VELQUOR_EPHE_PATH")) return folder;
  return kDefaultEphemerisFolder;
}

// The library's message up to its first line break: the rest announces the fallback to
// the built-in model, which we refuse.
std::string FirstLine(const char* message) {
  std::string line = message;
  const std::size_t lineBreak = line.find('\n');
  if (lineBreak != std::string::npos) line.resize(lineBreak);
  while (!line.empty() && (line.back() == ' ' || line.back() == ';')) line.pop_back();
  return line;
}

}  // namespace

void Prepare() {
  if (threadState.ready) return;
  const std::string folder = DataFolder();
  swe_set_ephe_path(folder.c_str());
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  threadState.ready = true;
}

void RequireDataFiles(int returnedFlags, const char* message, const char* body) {
  if (returnedFlags >= 0 && (returnedFlags & SEFLG_SWIEPH) != 0) return;
  std::string text = std::string("Swiss Ephemeris data unavailable for the ") + body + ": ";
  std::string reason = FirstLine(message);
  if (reason.find(".se1") == std::string::npos) {
    // The library names the missing file in the usual case; say which files cover the
    // standard years when it does not.
    if (!reason.empty()) reason += "; ";
    reason += "the data files sepl_18.se1 and semo_18.se1 (years 1800..2399) are needed";
  }
  text += reason;
  text +=
      ". The Debian package swe-basic-data installs the files of the years 1800..2399;"
      " install it, or set VELQUOR_EPHE_PATH to a folder that holds the files";
  throw EphemerisUnavailable(text);
}

}  // namespace swe_thread

namespace {

double Normalized(double degrees) {
  if (degrees >= 360.0) degrees -= 360.0;
  if (degrees < 0.0) degrees += 360.0;
  return degrees;
}

struct BodyEntry {
  int sweBody;
  double PreciseBodies::*field;
  const char* name;
};

constexpr std::array<BodyEntry, 8> kBodies = {{
    {SE_SUN, &PreciseBodies::sun, "Sun"},
    {SE_MOON, &PreciseBodies::moon, "Moon"},
    {SE_MERCURY, &PreciseBodies::mercury, "Mercury"},
    {SE_VENUS, &PreciseBodies::venus, "Venus"},
    {SE_MARS, &PreciseBodies::mars, "Mars"},
    {SE_JUPITER, &PreciseBodies::jupiter, "Jupiter"},
    {SE_SATURN, &PreciseBodies::saturn, "Saturn"},
    {SE_MEAN_NODE, &PreciseBodies::meanNode, "mean node"},
}};

}  // namespace

void PreferVelquorEphemerisPath() {
  const char* ours = std::getenv("VELQUOR_EPHE_PATH");
  if (ours != nullptr && ours[0] != '\0') unsetenv("SE_EPHE_PATH");
}

double JulianDayUt(int year, int month, int day, double hours) {
  return swe_julday(year, month, day, hours, SE_GREG_CAL);
}

namespace {

double BodyLongitude(double jdUt, const BodyEntry& entry) {
  swe_thread::Prepare();
  std::array<double, 6> position{};
  std::array<char, AS_MAXCH> message{};
  const int flags = swe_calc_ut(jdUt, entry.sweBody, SEFLG_SWIEPH | SEFLG_SIDEREAL, position.data(),
                                message.data());
  swe_thread::RequireDataFiles(flags, message.data(), entry.name);
  return Normalized(position[0]);
}

}  // namespace

PreciseBodies PreciseLongitudes(double jdUt) {
  PreciseBodies bodies;
  for (const BodyEntry& entry : kBodies) bodies.*entry.field = BodyLongitude(jdUt, entry);
  return bodies;
}

double PreciseSunLongitude(double jdUt) { return BodyLongitude(jdUt, kBodies[0]); }

double PreciseMoonLongitude(double jdUt) { return BodyLongitude(jdUt, kBodies[1]); }

double PreciseAscendant(double jdUt, double latitude, double longitudeEast) {
  swe_thread::Prepare();
  // Equal houses: any system has the same ascendant, and this one has no polar limit.
  std::array<double, 13> cusps{};
  std::array<double, 10> points{};
  if (swe_houses_ex(jdUt, SEFLG_SIDEREAL, latitude, longitudeEast, 'E', cusps.data(),
                    points.data()) < 0) {
    throw std::runtime_error("Swiss Ephemeris: no ascendant for this instant and place");
  }
  return Normalized(points[0]);
}

double PreciseAyanamsa(double jdUt) {
  swe_thread::Prepare();
  double ayanamsa = 0.0;
  std::array<char, AS_MAXCH> message{};
  if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_SWIEPH, &ayanamsa, message.data()) < 0) {
    throw std::runtime_error(std::string("Swiss Ephemeris: no ayanamsa: ") + message.data());
  }
  return ayanamsa;
}

}  // namespace velquor
