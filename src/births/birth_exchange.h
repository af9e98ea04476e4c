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
// four choices. A rectified birth's line ends with "entered_time" ("1985-03-21T10:45:00");
// a birth saved as entered has none.
void AppendBirthJsonLine(std::string& out, const SavedBirth& birth);

// Appends the CSV header row: the keys of kBirthKeys and "entered_time", comma-separated,
// with CRLF.
void AppendCsvHeader(std::string& out);

// Appends one CSV row in the header's order: flags as true/false, the conventions as a
// set's name or its four choices as "ephemeris=precise sunrise=upper-limb …", the entered
// time empty for a birth saved as entered; a cell with a
// comma, quote, CR or LF (or blanks at an end) quoted. A text that a spreadsheet would take
// for a formula (it begins with =, +, -, @, a tab or a CR, after any single quotes) is
// written after a single quote, which the import takes off again (CsvFormulaGuarded).
void AppendBirthCsvRow(std::string& out, const SavedBirth& birth);

// A text cell as written to CSV: `text` after a single quote when it begins with =, +, -, @,
// a tab or a CR after any number of single quotes; else `text`. CsvFormulaUnguarded undoes
// it exactly: every text round-trips.
std::string CsvFormulaGuarded(std::string_view text);
std::string CsvFormulaUnguarded(std::string_view cell);

// A line of an import file that gives no birth: its number (from 1; for CSV the line its
// record starts on) and why, naming the key as the batch's errors do.
struct RefusedLine {
  std::uint64_t line = 0;
  std::string reason;
};

struct ReadBirths {
  std::vector<SavedBirth> births;  // id 0, no times; in file order
  std::vector<bool> conventionsGiven;  // of each birth: its record named conventions
  std::vector<RefusedLine> refused;
};

// How the bytes of an import file are read: UTF-8 (a byte-order mark at the start is
// skipped; a record with a malformed sequence is refused), or Latin-1 (ISO 8859-1, each byte
// one character), only when the user says so.
enum class InputEncoding { Utf8, Latin1 };

// Reads every record of `in`. A record is refused, the others kept, when it does not parse,
// lacks a required key, has a value of the wrong type, fails the birth data's checks
// (ValidateBirthData), has a text longer than a saved birth may hold (RequireSavableTexts),
// is not UTF-8 or is longer than kMaxRecordBytes (such a record is skipped without being
// held whole). Blank lines are skipped. In CSV, the first record is the header: it must
// name each required key once and no unknown key ("entered_time" may be absent), else it is refused and nothing more is
// read; an empty cell is an absent key, except for the texts; flags are true or false in
// any case (TRUE as spreadsheets write it). Throws std::ios_base::failure when reading fails.
ReadBirths ReadBirthRecords(std::istream& in, ExchangeFormat format,
                            InputEncoding encoding = InputEncoding::Utf8);

}  // namespace velquor
