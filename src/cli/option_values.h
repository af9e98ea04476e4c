// The text forms of the chart command's options. Each parser checks the form only and
// throws InputError naming its option; ranges are left to RequireValidBirth.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velquor {

struct DateOption {
  int year = 0, month = 0, day = 0;
};

struct TimeOption {
  int hour = 0, minute = 0, second = 0;
};

// A latitude or longitude as degrees, a hemisphere letter and minutes.
struct AngleOption {
  int degrees = 0;
  int minutes = 0;
  bool positive = true;  // North for a latitude, East for a longitude
};

// "YYYY-MM-DD".
DateOption ParseDateOption(std::string_view text);

// "HH:MM" or "HH:MM:SS"; the hour may have one digit.
TimeOption ParseTimeOption(std::string_view text);

// "28N37": 1 to 3 digits of degrees, N or S (either case), 1 or 2 digits of minutes.
AngleOption ParseLatitudeOption(std::string_view text);

// "77E13": as a latitude, with E or W.
AngleOption ParseLongitudeOption(std::string_view text);

// A row of the time-zone table by its index (digits) or by its exact label.
int ParseZoneOption(std::string_view text);

// A count of at least 1 and at most `maximum`, in decimal digits only: "010" is ten, and
// signs, spaces, "0x" and exponents are refused (the stream readers would take them).
std::size_t ParseCountOption(std::string_view option, std::string_view text, std::size_t maximum);

// For the parser's whole-number options (--span, --dpi): `text` made a decimal number the
// parser reads as written, its leading zeros dropped ("010" is ten, not eight as an octal
// number; "-05" is -5). Returns an empty text, or for anything but an optional minus and
// decimal digits ("0x10", "1e3", " 7") what was expected, leaving `text` as it was.
std::string DecimalWholeNumber(std::string& text);

// Throws InputError naming `option` unless `text` is valid UTF-8.
void RequireUtf8Option(std::string_view option, std::string_view text);

}  // namespace velquor
