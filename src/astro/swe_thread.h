// Per-thread preparation of the Swiss Ephemeris and the checks of what it returns, shared
// by precise_ephemeris.cpp and precise_sunrise.cpp. Internal to the precise routines.
#pragma once

namespace velquor::swe_thread {

// Prepares the calling thread on its first call (data folder, Lahiri sidereal mode) and
// returns at once afterwards. See precise_ephemeris.h for the data folder.
void Prepare();

// Throws EphemerisUnavailable when a position call failed (returnedFlags < 0) or did not
// come from the data files (SEFLG_SWIEPH missing from returnedFlags: the library fell back
// to its built-in model). `message` is the library's error text, `body` names the body.
void RequireDataFiles(int returnedFlags, const char* message, const char* body);

}  // namespace velquor::swe_thread
