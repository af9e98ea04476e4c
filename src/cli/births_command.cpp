#include "cli/births_command.h"

#include <QString>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "births/birth_exchange.h"
#include "births/birth_filter.h"
#include "births/birth_store.h"
#include "cli/command_io.h"
#include "cli/printable_text.h"

namespace velquor {

namespace {

struct BirthsOptions {
  std::string database;  // empty: the user's database
  std::string format;    // "jsonl", "csv", or empty: by the file's name (JSON Lines otherwise)
  std::string file;      // export's output or import's input; empty or "-": standard streams
  std::string filter;    // list: words that must occur in the name or place
  std::string encoding;  // import: "utf-8" (also when empty) or "latin1"
};

std::optional<InputEncoding> EncodingOf(const BirthsOptions& options, std::ostream& err) {
  if (options.encoding.empty() || options.encoding == "utf-8") return InputEncoding::Utf8;
  if (options.encoding == "latin1") return InputEncoding::Latin1;
  err << kProgram << ": --encoding: unknown value \"" << options.encoding
      << "\"; one of utf-8, latin1\n";
  return std::nullopt;
}

std::optional<ExchangeFormat> FormatOf(const BirthsOptions& options, std::ostream& err) {
  if (options.format.empty()) return FormatOfFileName(options.file);
  if (options.format == "jsonl") return ExchangeFormat::JsonLines;
  if (options.format == "csv") return ExchangeFormat::Csv;
  err << kProgram << ": --format: unknown value \"" << options.format << "\"; one of jsonl, csv\n";
  return std::nullopt;
}

// One line of the list: id, name, date and time, city, state, country, tab-separated; the
// texts with their control characters (tabs and line ends too) escaped, as the chart shows
// them.
std::string ListLine(const SavedBirth& saved) {
  const BirthData& b = saved.birth;
  char moment[40];
  std::snprintf(moment, sizeof moment, "%04d-%02d-%02d %02d:%02d:%02d", b.yearNumber, b.monthNumber,
                b.dayNumber, b.hourNumber, b.minuteNumber, b.secondNumber);
  return std::to_string(saved.id) + '\t' + PrintableText(b.personName) + '\t' + moment + '\t' +
         PrintableText(b.cityText) + '\t' + PrintableText(b.stateText) + '\t' +
         PrintableText(b.countryText) + '\n';
}

int List(const BirthStore& store, const BirthsOptions& options, std::ostream& out,
         std::ostream& err) {
  const std::vector<SavedBirth> births = store.all();
  for (const std::size_t i : BirthFilter(births).Matching(options.filter)) {
    out << ListLine(births[i]);
  }
  return FinishOutput(out, err);
}

int Export(const BirthStore& store, ExchangeFormat format, const BirthsOptions& options,
           std::ostream& out, std::ostream& err) {
  std::string text;
  if (format == ExchangeFormat::Csv) AppendCsvHeader(text);
  for (const SavedBirth& saved : store.all()) {
    if (format == ExchangeFormat::Csv) {
      AppendBirthCsvRow(text, saved);
    } else {
      AppendBirthJsonLine(text, saved);
    }
  }
  return WriteOutput(text, options.file, out, err);
}

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

int Import(BirthStore& store, ExchangeFormat format, InputEncoding encoding, std::istream& in,
           std::ostream& out, std::ostream& err) {
  ReadBirths read;
  try {
    read = ReadBirthRecords(in, format, encoding);
  } catch (const std::ios_base::failure& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
  const AddedCounts counts = store.addAll(read.births, read.conventionsGiven);
  for (const RefusedLine& refused : read.refused) {
    err << kProgram << ": line " << refused.line << ": " << refused.reason << '\n';
  }
  out << "added " << Counted(counts.added, "birth", "births") << ", updated "
      << Counted(counts.updated, "birth", "births") << ", skipped "
      << Counted(counts.duplicates, "duplicate", "duplicates") << ", refused "
      << Counted(read.refused.size(), "line", "lines") << '\n';
  if (const int status = FinishOutput(out, err); status != kExitOk) return status;
  return read.refused.empty() ? kExitOk : kExitFailedLines;
}

class BirthsCommand final : public Command {
 public:
  BirthsCommand()
      : Command("births",
                "The saved births of the desktop program: list them, export them as JSON Lines "
                "(the batch's keys, plus note and a rectified birth's entered_time) or CSV, "
                "import such files") {}

  int Run(const CommandStreams& streams) override {
    std::ostream& err = streams.err;
    const std::optional<ExchangeFormat> format = FormatOf(options_, err);
    if (!format) return kExitBadInput;
    const std::optional<InputEncoding> encoding = EncodingOf(options_, err);
    if (!encoding) return kExitBadInput;
    std::ifstream file;
    const bool imports = births_->got_subcommand("import");
    const bool fromStandardInput = IsStandardStream(options_.file);
    if (imports && !fromStandardInput && !OpenInputFile(options_.file, file, err)) {
      return kExitBadInput;
    }
    const QString path = options_.database.empty() ? BirthStore::DefaultPath()
                                                   : QString::fromStdString(options_.database);
    // Looked at before SQLite opens it: a FIFO would keep the open waiting, and a device
    // reads as an empty database.
    if (const std::string kind = NonRegularFileKind(path.toStdString()); !kind.empty()) {
      err << kProgram << ": the births database " << path.toStdString() << " is " << kind
          << ", not a regular file\n";
      return kExitIoFailure;
    }
    try {
      BirthStore store(path,
                       imports ? BirthStore::Access::ReadWrite : BirthStore::Access::ReadOnly);
      if (births_->got_subcommand("list")) return List(store, options_, streams.out, err);
      if (births_->got_subcommand("export")) {
        return Export(store, *format, options_, streams.out, err);
      }
      return Import(store, *format, *encoding, fromStandardInput ? streams.in : file, streams.out, err);
    } catch (const BirthStoreError& error) {
      err << kProgram << ": " << error.what() << '\n';
      return error.kind() == BirthStoreError::Kind::Busy ? kExitBusy : kExitIoFailure;
    }
  }

 private:
  void AddOptions(CLI::App& command) override {
    births_ = &command;
    command.require_subcommand(1);
    command.fallthrough();
    command.add_option("--db", options_.database,
                       "The births database (default: velquor/births.sqlite in the user's data "
                       "folder, the desktop program's)");
    CLI::App* list = command.add_subcommand(
        "list", "One birth a line, tab-separated: id, name, date and time, city, state, country");
    list->add_option("--filter", options_.filter,
                     "Only births whose name or place holds every word (any case, no accents "
                     "needed)");
    CLI::App* exported = command.add_subcommand(
        "export", "Write every birth, by name; an exported JSON Lines file charts through batch");
    exported->add_option("file", options_.file, "Output file; standard output when absent or -");
    CLI::App* imported = command.add_subcommand(
        "import",
        "Add the births of a file (a batch input file, an export); report how many were added, "
        "updated (a saved birth of the same birth data takes the file's note and conventions, "
        "and its entered time when it has none), "
        "skipped as already saved, and refused, with the line and reason of each refused "
        "record");
    imported->add_option("file", options_.file, "Input file; standard input when absent or -");
    imported->add_option("--encoding", options_.encoding,
                         "utf-8 (default; a byte-order mark is skipped, a record that is not "
                         "UTF-8 refused) or latin1: the file's text is ISO 8859-1");
    for (CLI::App* file : {exported, imported}) {
      file->add_option("--format", options_.format,
                       "jsonl or csv (default: csv for a FILE ending in .csv, otherwise jsonl)");
    }
  }

  BirthsOptions options_;
  const CLI::App* births_ = nullptr;  // the parser of this command
};

}  // namespace

std::unique_ptr<Command> MakeBirthsCommand() { return std::make_unique<BirthsCommand>(); }

}  // namespace velquor
