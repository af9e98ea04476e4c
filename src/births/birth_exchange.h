// The exchange formats of saved births: JSON Lines with the keys of a batch line (plus
// "note"), so that an exported file charts unchanged through `velquor-cli batch` and a batch
// input file imports; and CSV (RFC 4180) with a header row of the same keys.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "births/saved_birth.h"

namespace velquor {

enum class ExchangeFormat { JsonLines, Csv };

// The format a file's name says: ".csv" in any case is CSV, any other name JSON Lines.
ExchangeFormat FormatOfFileName(std::string_view fileName);

// Appends one JSON line (with its line end) holding every key of kBirthKeys: the
// conventions as a set's name ("classic", "modern") or, for a mixture, an object of the
// four choices.
void AppendBirthJsonLine(std::string& out, const SavedBirth& birth);

// Appends the CSV header row: the keys of kBirthKeys, comma-separated, with CRLF.
void AppendCsvHeader(std::string& out);

// Appends one CSV row in the header's order: flags as true/false, the conventions as a
// set's name or its four choices as "ephemeris=precise sunrise=upper-limb …"; a cell with a
// comma, quote, CR or LF (or blanks at an end) quoted.
void AppendBirthCsvRow(std::string& out, const SavedBirth& birth);

// A line of an import file that gives no birth: its number (from 1; for CSV the line its
// record starts on) and why, naming the key as the batch's errors do.
struct RefusedLine {
  std::uint64_t line = 0;
  std::string reason;
};

struct ReadBirths {
  std::vector<SavedBirth> births;  // id 0, no times; in file order
  std::vector<RefusedLine> refused;
};

// Reads every record of `in`. A record is refused, the others kept, when it does not parse,
// lacks a required key, has a value of the wrong type or fails the birth data's checks
// (ValidateBirthData). Blank lines are skipped. In CSV, the first record is the header: it
// must name each required key once and no unknown key, else it is refused and nothing more
// is read; an empty cell is an absent key, except for the texts. Throws
// std::ios_base::failure when reading fails.
ReadBirths ReadBirthRecords(std::istream& in, ExchangeFormat format);

}  // namespace velquor
