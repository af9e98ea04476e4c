#include "births/birth_exchange.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "births/batch_input.h"
#include "births/birth_check.h"
#include "births/birth_keys.h"
#include "births/convention_texts.h"
#include "births/entered_time.h"
#include "births/input_error.h"
#include "births/record_limits.h"
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

// The bytes of an import file, read from the stream's buffer in blocks, with bytes put back
// in front of what is still unread (the rest of a record read again after a fault).
class ByteSource {
 public:
  static constexpr int kEnd = -1;

  explicit ByteSource(std::istream& in) : buffer_(*in.rdbuf()) {}

  int get() {
    if (position_ == filled_ && !refill()) return kEnd;
    return static_cast<unsigned char>(block_[position_++]);
  }
  int peek() {
    if (position_ == filled_ && !refill()) return kEnd;
    return static_cast<unsigned char>(block_[position_]);
  }
  // Puts `bytes` back to be read next, before anything not read yet.
  void putBack(std::string_view bytes) {
    std::string rest(bytes);
    rest.append(block_.data() + position_, filled_ - position_);
    pushed_ = std::move(rest);
    position_ = filled_ = 0;
    fromPushed_ = true;
    refill();
  }
  // Skips the rest of the current line, its line end included.
  void skipLine() {
    for (int c = get(); c != kEnd && c != '\n'; c = get()) {
    }
  }

 private:
  bool refill() {
    position_ = filled_ = 0;
    if (fromPushed_) {
      fromPushed_ = false;
      if (!pushed_.empty()) {
        block_.assign(pushed_.begin(), pushed_.end());
        pushed_.clear();
        filled_ = block_.size();
        return true;
      }
    }
    block_.resize(kBlockBytes);
    const std::streamsize got = buffer_.sgetn(block_.data(), kBlockBytes);
    filled_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    return filled_ > 0;
  }

  static constexpr std::streamsize kBlockBytes = 1 << 16;
  std::streambuf& buffer_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  std::string pushed_;
  bool fromPushed_ = false;
};

// Skips a UTF-8 byte-order mark at the start of the input.
void SkipByteOrderMark(ByteSource& source) {
  std::string start;
  for (int i = 0; i < 3 && source.peek() != ByteSource::kEnd; ++i) {
    start += static_cast<char>(source.get());
  }
  if (start != "\xEF\xBB\xBF") source.putBack(start);
}

// The reason a record's raw bytes are refused as not UTF-8, naming the line (from
// `firstLine`) of the first malformed sequence; empty when they are UTF-8. UTF-8 never has a
// line end inside a character, so each line is checked alone.
std::string Utf8Fault(std::string_view raw, std::uint64_t firstLine) {
  std::uint64_t line = firstLine;
  while (true) {
    const std::size_t end = std::min(raw.find('\n'), raw.size());
    if (!IsValidUtf8(raw.substr(0, end))) {
      return "line: not UTF-8 text (in line " + std::to_string(line) +
             "); save the file as UTF-8, or import it with --encoding latin1";
    }
    if (end == raw.size()) return {};
    raw.remove_prefix(end + 1);
    ++line;
  }
}

// Latin-1 bytes as UTF-8: each byte is the character of its number.
std::string Utf8OfLatin1(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string TooLong() { return "line: longer than " + std::to_string(kMaxRecordBytes) + " bytes"; }

// One CSV record: its cells and the line it starts on; a fault when it cannot be read
// (then it is refused whatever its cells).
struct CsvRecord {
  std::vector<std::string> cells;
  std::uint64_t line = 0;
  std::string fault;
};

// Splits CSV text into records by RFC 4180: cells separated by commas, a record ending at LF
// or CRLF; a cell that begins with a quote is quoted and may hold commas, line ends and
// quotes written twice, up to its closing quote, which must end the cell. A quote anywhere
// else is text. A record holds at most kMaxRecordBytes.
//
// A record that cannot be read to its end is refused, and reading starts again at the
// beginning of a line, so that one fault never swallows the records after it:
// - a quoted cell still open at the end of the input, or beyond kMaxRecordBytes, is an
//   unterminated quote: reading starts again at the line after the one the quote opened
//   in (a quote opened in error cannot have been meant to hold the lines after it; a
//   quoted cell that truly spans lines always closes within the limit);
// - a record longer than kMaxRecordBytes otherwise: reading starts again at the line after
//   the one where it passed the limit, which is skipped without being held.
// So the bytes held are at most one record's limit, however long the input or its lines.
class CsvReader {
 public:
  CsvReader(std::istream& in, InputEncoding encoding) : source_(in), encoding_(encoding) {
    if (encoding_ == InputEncoding::Utf8) SkipByteOrderMark(source_);
  }

  // The next record, or nothing at the end of the input.
  std::optional<CsvRecord> next() {
    CsvRecord record;
    record.line = line_;
    std::string raw;          // the record's bytes as read, for a new start after a fault
    std::string cell;
    bool quoted = false;      // inside a quoted cell
    bool closed = false;      // the cell's closing quote has been read
    std::uint64_t quoteLine = 0;
    std::size_t quoteAt = 0;  // where in `raw` the open quote is
    const auto endCell = [&] {
      record.cells.push_back(std::move(cell));
      cell.clear();
      closed = false;
    };
    for (int c = source_.get();; c = source_.get()) {
      if (c == ByteSource::kEnd) {
        if (quoted) {
          restartAfterQuote(record, raw, quoteAt, quoteLine, "before the end of the file");
          return record;
        }
        if (raw.empty()) return std::nullopt;
        endCell();
        return finished(record, raw);
      }
      if (raw.size() == kMaxRecordBytes && (quoted || c != '\n')) {
        if (quoted) {
          source_.putBack(std::string(1, static_cast<char>(c)));
          restartAfterQuote(record, raw, quoteAt, quoteLine,
                            "within the " + std::to_string(kMaxRecordBytes) +
                                " bytes a record may hold");
          return record;
        }
        record.fault = TooLong();
        record.cells.clear();
        if (c != '\n') source_.skipLine();
        ++line_;
        return record;
      }
      raw += static_cast<char>(c);
      if (quoted) {
        if (c == '"') {
          if (source_.peek() == '"') {
            raw += static_cast<char>(source_.get());
            cell += '"';
          } else {
            quoted = false;
            closed = true;
          }
        } else {
          if (c == '\n') ++line_;
          cell += static_cast<char>(c);
        }
        continue;
      }
      if (c == '\r' && source_.peek() == '\n') continue;  // the CR of a CRLF
      if (c == ',') {
        endCell();
      } else if (c == '\n') {
        ++line_;
        endCell();
        return finished(record, raw);
      } else if (closed) {
        if (record.fault.empty()) {
          record.fault = "line: cell " + std::to_string(record.cells.size() + 1) +
                         " has text after its closing quote (a quote inside a quoted cell is "
                         "written twice)";
        }
        cell += static_cast<char>(c);
      } else if (c == '"' && cell.empty()) {
        quoted = true;
        quoteLine = line_;
        quoteAt = raw.size() - 1;
      } else {
        cell += static_cast<char>(c);
      }
    }
  }

 private:
  // A record read to its end: its cells as UTF-8.
  CsvRecord& finished(CsvRecord& record, const std::string& raw) {
    if (encoding_ == InputEncoding::Latin1) {
      for (std::string& cell : record.cells) cell = Utf8OfLatin1(cell);
    } else if (record.fault.empty()) {
      record.fault = Utf8Fault(raw, record.line);
    }
    return record;
  }

  // Refuses `record` for its unterminated quote and reads on at the line after the quote's.
  void restartAfterQuote(CsvRecord& record, const std::string& raw, std::size_t quoteAt,
                         std::uint64_t quoteLine, const std::string& where) {
    record.cells.clear();
    record.fault = "line: unterminated quote: the quoted cell opened in line " +
                   std::to_string(quoteLine) + " does not close " + where;
    const std::size_t lineEnd = raw.find('\n', quoteAt);
    if (lineEnd == std::string::npos) {
      source_.skipLine();  // the quote's line goes on past what was held
    } else {
      source_.putBack(std::string_view(raw).substr(lineEnd + 1));
    }
    line_ = quoteLine + 1;
  }

  ByteSource source_;
  InputEncoding encoding_;
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

// Whether `text` is `lower` in any case.
bool SameLetters(std::string_view text, std::string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
}

// The column of the entered time among a CSV header's columns (indices into kBirthKeys).
constexpr std::size_t kEnteredColumn = kBirthKeys.size();

// The birth of a CSV record whose cells are in the order of `columns` (indices into
// kBirthKeys, or kEnteredColumn). Throws InputError naming the key.
SavedBirth BirthOfCsvRecord(const CsvRecord& record, const std::vector<std::size_t>& columns,
                            bool& conventionsGiven) {
  if (record.cells.size() != columns.size()) {
    throw InputError("line", "expected " + std::to_string(columns.size()) + " cells, found " +
                                 std::to_string(record.cells.size()));
  }
  SavedBirth saved;
  ConventionTexts conventions;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const std::string& cell = record.cells[i];
    const bool empty = cell.empty();
    if (columns[i] == kEnteredColumn) {
      if (!empty) saved.enteredTime = ReadEnteredTime(cell);
      continue;
    }
    const BirthKey& key = kBirthKeys[columns[i]];
    switch (key.kind) {
      case BirthKeyKind::Text:
        saved.birth.*key.text = CsvFormulaUnguarded(cell);
        break;
      case BirthKeyKind::Note:
        saved.note = CsvFormulaUnguarded(cell);
        break;
      case BirthKeyKind::Number:
        if (empty && key.required) throw InputError(std::string(key.key), "missing");
        if (!empty) saved.birth.*key.number = WholeNumber(key, cell);
        break;
      case BirthKeyKind::Flag:
        if (SameLetters(cell, "true") || SameLetters(cell, "false")) {
          saved.birth.*key.flag = SameLetters(cell, "true");
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
  conventionsGiven = AnyConventionGiven(conventions);
  return saved;
}

// Adds a birth read from a record, after the checks every saved birth passes.
void Keep(ReadBirths& read, SavedBirth saved, bool conventionsGiven) {
  RequireValidBirth(saved.birth, kBatchFieldNames);
  RequireSavableTexts(saved.birth, saved.note);
  read.births.push_back(std::move(saved));
  read.conventionsGiven.push_back(conventionsGiven);
}

// The columns of a CSV header row as indices into kBirthKeys, kEnteredColumn for the
// entered time (optional: files exported before it have none). Throws InputError for an
// unknown or repeated key, or a required key missing.
std::vector<std::size_t> CsvColumns(const CsvRecord& header) {
  std::vector<std::size_t> columns;
  for (const std::string& cell : header.cells) {
    const auto known = std::find_if(kBirthKeys.begin(), kBirthKeys.end(),
                                    [&](const BirthKey& key) { return key.key == cell; });
    if (known == kBirthKeys.end() && cell != kEnteredTimeKey) {
      throw InputError(cell, "unknown key in the header row");
    }
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

void ReadCsv(std::istream& in, InputEncoding encoding, ReadBirths& read) {
  CsvReader reader(in, encoding);
  std::optional<CsvRecord> header = reader.next();
  while (header && header->fault.empty() && IsBlank(header->cells)) header = reader.next();
  if (!header) return;
  if (!header->fault.empty()) {
    read.refused.push_back({header->line, header->fault});
    return;
  }
  std::vector<std::size_t> columns;
  try {
    columns = CsvColumns(*header);
  } catch (const InputError& error) {
    read.refused.push_back({header->line, error.what()});
    return;
  }
  while (std::optional<CsvRecord> record = reader.next()) {
    if (!record->fault.empty()) {
      read.refused.push_back({record->line, record->fault});
      continue;
    }
    if (IsBlank(record->cells)) continue;
    try {
      bool conventionsGiven = false;
      SavedBirth saved = BirthOfCsvRecord(*record, columns, conventionsGiven);
      Keep(read, std::move(saved), conventionsGiven);
    } catch (const InputError& error) {
      read.refused.push_back({record->line, error.what()});
    }
  }
}

// Appends the next line of `source` without its line end to `line`, at most
// kMaxRecordBytes of it (the rest is skipped, and `overlong` set). False at the end.
bool NextLine(ByteSource& source, std::string& line, bool& overlong) {
  line.clear();
  overlong = false;
  int c = source.get();
  if (c == ByteSource::kEnd) return false;
  for (; c != ByteSource::kEnd && c != '\n'; c = source.get()) {
    if (line.size() == kMaxRecordBytes + 1) {  // one more, in case it is the CR of a CRLF
      overlong = true;
      source.skipLine();
      break;
    }
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r' && !overlong) line.pop_back();
  if (line.size() > kMaxRecordBytes) overlong = true;
  return true;
}

void ReadJsonLines(std::istream& in, InputEncoding encoding, ReadBirths& read) {
  ByteSource source(in);
  if (encoding == InputEncoding::Utf8) SkipByteOrderMark(source);
  std::string line;
  bool overlong = false;
  std::uint64_t number = 0;
  while (NextLine(source, line, overlong)) {
    ++number;
    if (overlong) {
      read.refused.push_back({number, TooLong()});
      continue;
    }
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (encoding == InputEncoding::Latin1) {
      line = Utf8OfLatin1(line);
    } else if (std::string fault = Utf8Fault(line, number); !fault.empty()) {
      read.refused.push_back({number, std::move(fault)});
      continue;
    }
    try {
      BatchBirth batch = ParseBatchLine(line);
      SavedBirth saved;
      saved.birth = std::move(batch.birth);
      saved.conventions = batch.conventions;
      saved.note = std::move(batch.note);
      saved.enteredTime = batch.enteredTime;
      Keep(read, std::move(saved), batch.conventionsGiven);
    } catch (const InputError& error) {
      read.refused.push_back({number, error.what()});
    }
  }
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
  // Only a rectified birth has it: a birth saved as entered exports as it always did.
  if (saved.enteredTime) {
    AppendJsonKey(out, kEnteredTimeKey);
    AppendJsonString(out, EnteredTimeText(*saved.enteredTime));
  }
  out += "}\n";
}

void AppendCsvHeader(std::string& out) {
  for (const BirthKey& key : kBirthKeys) {
    if (&key != &kBirthKeys.front()) out += ',';
    out += key.key;
  }
  out += ',';
  out += kEnteredTimeKey;
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
        AppendCsvCell(out, CsvFormulaGuarded(saved.birth.*key.text));
        break;
      case BirthKeyKind::Note:
        AppendCsvCell(out, CsvFormulaGuarded(saved.note));
        break;
      case BirthKeyKind::Conventions:
        AppendCsvCell(out, ConventionsCell(saved.conventions));
        break;
    }
  }
  out += ',';
  if (saved.enteredTime) out += EnteredTimeText(*saved.enteredTime);
  out += "\r\n";
}

ReadBirths ReadBirthRecords(std::istream& in, ExchangeFormat format, InputEncoding encoding) {
  ReadBirths read;
  try {
    if (format == ExchangeFormat::Csv) {
      ReadCsv(in, encoding, read);
    } else {
      ReadJsonLines(in, encoding, read);
    }
  } catch (const std::ios_base::failure&) {
    throw;
  } catch (const std::exception& error) {
    // The stream's buffer threw: reading the file failed.
    throw std::ios_base::failure(std::string("reading the import file failed: ") + error.what());
  }
  return read;
}

namespace {

bool IsFormulaStart(char c) {
  return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Whether `text` begins, after any number of single quotes, with what a spreadsheet reads
// as the start of a formula.
bool LooksLikeFormula(std::string_view text) {
  const std::size_t start = text.find_first_not_of('\'');
  return start != std::string_view::npos && IsFormulaStart(text[start]);
}

}  // namespace

std::string CsvFormulaGuarded(std::string_view text) {
  std::string cell;
  cell.reserve(text.size() + 1);
  if (LooksLikeFormula(text)) cell += '\'';
  cell.append(text);  // not "'" + text: g++ 12 warns falsely (-Wrestrict) on that
  return cell;
}

std::string CsvFormulaUnguarded(std::string_view cell) {
  if (!cell.empty() && cell.front() == '\'' && LooksLikeFormula(cell.substr(1))) {
    cell.remove_prefix(1);
  }
  return std::string(cell);
}

}  // namespace velquor
