#include "births/birth_exchange.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

#include "births/batch_input.h"
#include "births/birth_check.h"
#include "births/birth_keys.h"
#include "births/convention_texts.h"
#include "births/input_error.h"
#include "text/json_text.h"

namespace velquor {

namespace {

bool EndsWithCsv(std::string_view name) {
  constexpr std::string_view kSuffix = ".csv";
  if (name.size() < kSuffix.size()) return false;
  return std::equal(kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

// The CSV cell of the conventions: the set's name, or the four choices as key=value words.
std::string ConventionsCell(const Conventions& c) {
  if (const auto set = SetNameOf(c)) return std::string(*set);
  std::string cell;
  for (const ConventionKey& choice : kConventionKeys) {
    if (!cell.empty()) cell += ' ';
    cell += choice.key;
    cell += '=';
    cell += choice.nameIn(c);
  }
  return cell;
}

void AppendCsvCell(std::string& out, std::string_view cell) {
  const bool quoted = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
  if (!quoted) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// One CSV record: its cells and the line it starts on.
struct CsvRecord {
  std::vector<std::string> cells;
  std::uint64_t line = 0;
};

// Splits CSV text into records (RFC 4180: quoted cells may hold commas, quotes written
// twice and line ends; a record ends at LF or CRLF).
class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : in_(in) {}

  // The next record, or nothing at the end of the input.
  std::optional<CsvRecord> next() {
    CsvRecord record;
    record.line = line_;
    std::string cell;
    bool quoted = false;
    bool any = false;
    for (int c = in_.get(); c != std::char_traits<char>::eof(); c = in_.get()) {
      any = true;
      if (quoted) {
        if (c == '"') {
          if (in_.peek() == '"') {
            in_.get();
            cell += '"';
          } else {
            quoted = false;
          }
        } else {
          if (c == '\n') ++line_;
          cell += static_cast<char>(c);
        }
        continue;
      }
      if (c == '"') {
        quoted = true;
      } else if (c == ',') {
        record.cells.push_back(std::move(cell));
        cell.clear();
      } else if (c == '\n') {
        ++line_;
        if (!cell.empty() && cell.back() == '\r') cell.pop_back();
        record.cells.push_back(std::move(cell));
        return record;
      } else {
        cell += static_cast<char>(c);
      }
    }
    if (in_.bad()) throw std::ios_base::failure("reading the import file failed");
    if (!any) return std::nullopt;
    if (!cell.empty() && cell.back() == '\r') cell.pop_back();
    record.cells.push_back(std::move(cell));
    return record;
  }

 private:
  std::istream& in_;
  std::uint64_t line_ = 1;
};

bool IsBlank(const std::vector<std::string>& cells) {
  return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) {
    return cell.find_first_not_of(" \t\r") == std::string::npos;
  });
}

int WholeNumber(const BirthKey& key, const std::string& cell) {
  int value = 0;
  const char* end = cell.data() + cell.size();
  const auto [stop, error] = std::from_chars(cell.data(), end, value);
  if (error == std::errc::result_out_of_range) {
    throw InputError(std::string(key.key), "number out of range");
  }
  if (error != std::errc() || stop != end) {
    throw InputError(std::string(key.key), "expected a whole number");
  }
  return value;
}

void ReadConventionsCell(const std::string& cell, ConventionTexts& texts) {
  if (cell.find('=') == std::string::npos) {
    texts.set = cell;
    return;
  }
  std::size_t start = 0;
  while (start < cell.size()) {
    const std::size_t end = std::min(cell.find(' ', start), cell.size());
    const std::string word = cell.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    const std::size_t equals = word.find('=');
    const std::string key = word.substr(0, equals);
    const auto known =
        std::find_if(kConventionKeys.begin(), kConventionKeys.end(),
                     [&](const ConventionKey& candidate) { return candidate.key == key; });
    if (known == kConventionKeys.end() || equals == std::string::npos) {
      throw InputError("conventions." + key, "unknown key");
    }
    texts.*known->text = word.substr(equals + 1);
  }
}

// The birth of a CSV record whose cells are in the order of `columns` (indices into
// kBirthKeys). Throws InputError naming the key.
SavedBirth BirthOfCsvRecord(const CsvRecord& record, const std::vector<std::size_t>& columns) {
  if (record.cells.size() != columns.size()) {
    throw InputError("line", "expected " + std::to_string(columns.size()) + " cells, found " +
                                 std::to_string(record.cells.size()));
  }
  SavedBirth saved;
  ConventionTexts conventions;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const BirthKey& key = kBirthKeys[columns[i]];
    const std::string& cell = record.cells[i];
    const bool empty = cell.empty();
    switch (key.kind) {
      case BirthKeyKind::Text:
        saved.birth.*key.text = cell;
        break;
      case BirthKeyKind::Note:
        saved.note = cell;
        break;
      case BirthKeyKind::Number:
        if (empty && key.required) throw InputError(std::string(key.key), "missing");
        if (!empty) saved.birth.*key.number = WholeNumber(key, cell);
        break;
      case BirthKeyKind::Flag:
        if (cell == "true" || cell == "false") {
          saved.birth.*key.flag = cell == "true";
        } else if (!empty) {
          throw InputError(std::string(key.key), "expected true or false");
        }
        break;
      case BirthKeyKind::Conventions:
        ReadConventionsCell(cell, conventions);
        break;
    }
  }
  saved.conventions = ConventionsOfTexts(conventions, ConventionBatchNames());
  return saved;
}

// The columns of a CSV header row as indices into kBirthKeys. Throws InputError for an
// unknown or repeated key, or a required key missing.
std::vector<std::size_t> CsvColumns(const CsvRecord& header) {
  std::vector<std::size_t> columns;
  for (const std::string& cell : header.cells) {
    const auto known = std::find_if(kBirthKeys.begin(), kBirthKeys.end(),
                                    [&](const BirthKey& key) { return key.key == cell; });
    if (known == kBirthKeys.end()) throw InputError(cell, "unknown key in the header row");
    const auto index = static_cast<std::size_t>(known - kBirthKeys.begin());
    if (std::find(columns.begin(), columns.end(), index) != columns.end()) {
      throw InputError(cell, "repeated in the header row");
    }
    columns.push_back(index);
  }
  for (std::size_t i = 0; i < kBirthKeys.size(); ++i) {
    if (kBirthKeys[i].required && std::find(columns.begin(), columns.end(), i) == columns.end()) {
      throw InputError(std::string(kBirthKeys[i].key), "missing from the header row");
    }
  }
  return columns;
}

void ReadCsv(std::istream& in, ReadBirths& read) {
  CsvReader reader(in);
  std::optional<CsvRecord> header = reader.next();
  while (header && IsBlank(header->cells)) header = reader.next();
  if (!header) return;
  std::vector<std::size_t> columns;
  try {
    columns = CsvColumns(*header);
  } catch (const InputError& error) {
    read.refused.push_back({header->line, error.what()});
    return;
  }
  while (std::optional<CsvRecord> record = reader.next()) {
    if (IsBlank(record->cells)) continue;
    try {
      SavedBirth saved = BirthOfCsvRecord(*record, columns);
      RequireValidBirth(saved.birth, kBatchFieldNames);
      read.births.push_back(std::move(saved));
    } catch (const InputError& error) {
      read.refused.push_back({record->line, error.what()});
    }
  }
}

void ReadJsonLines(std::istream& in, ReadBirths& read) {
  std::string line;
  std::uint64_t number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    try {
      BatchBirth batch = ParseBatchLine(line);
      RequireValidBirth(batch.birth, kBatchFieldNames);
      SavedBirth saved;
      saved.birth = std::move(batch.birth);
      saved.conventions = batch.conventions;
      saved.note = std::move(batch.note);
      read.births.push_back(std::move(saved));
    } catch (const InputError& error) {
      read.refused.push_back({number, error.what()});
    }
  }
  if (in.bad()) throw std::ios_base::failure("reading the import file failed");
}

}  // namespace

ExchangeFormat FormatOfFileName(std::string_view fileName) {
  return EndsWithCsv(fileName) ? ExchangeFormat::Csv : ExchangeFormat::JsonLines;
}

void AppendBirthJsonLine(std::string& out, const SavedBirth& saved) {
  out += '{';
  for (const BirthKey& key : kBirthKeys) {
    AppendJsonKey(out, key.key);
    switch (key.kind) {
      case BirthKeyKind::Number:
        AppendJsonInteger(out, saved.birth.*key.number);
        break;
      case BirthKeyKind::Flag:
        AppendJsonBool(out, saved.birth.*key.flag);
        break;
      case BirthKeyKind::Text:
        AppendJsonString(out, saved.birth.*key.text);
        break;
      case BirthKeyKind::Note:
        AppendJsonString(out, saved.note);
        break;
      case BirthKeyKind::Conventions:
        if (const auto set = SetNameOf(saved.conventions)) {
          AppendJsonString(out, *set);
        } else {
          out += '{';
          for (const ConventionKey& choice : kConventionKeys) {
            AppendJsonKey(out, choice.key);
            AppendJsonString(out, choice.nameIn(saved.conventions));
          }
          out += '}';
        }
        break;
    }
  }
  out += "}\n";
}

void AppendCsvHeader(std::string& out) {
  for (const BirthKey& key : kBirthKeys) {
    if (&key != &kBirthKeys.front()) out += ',';
    out += key.key;
  }
  out += "\r\n";
}

void AppendBirthCsvRow(std::string& out, const SavedBirth& saved) {
  for (const BirthKey& key : kBirthKeys) {
    if (&key != &kBirthKeys.front()) out += ',';
    switch (key.kind) {
      case BirthKeyKind::Number:
        out += std::to_string(saved.birth.*key.number);
        break;
      case BirthKeyKind::Flag:
        out += saved.birth.*key.flag ? "true" : "false";
        break;
      case BirthKeyKind::Text:
        AppendCsvCell(out, saved.birth.*key.text);
        break;
      case BirthKeyKind::Note:
        AppendCsvCell(out, saved.note);
        break;
      case BirthKeyKind::Conventions:
        AppendCsvCell(out, ConventionsCell(saved.conventions));
        break;
    }
  }
  out += "\r\n";
}

ReadBirths ReadBirthRecords(std::istream& in, ExchangeFormat format) {
  ReadBirths read;
  if (format == ExchangeFormat::Csv) {
    ReadCsv(in, read);
  } else {
    ReadJsonLines(in, read);
  }
  return read;
}

}  // namespace velquor
