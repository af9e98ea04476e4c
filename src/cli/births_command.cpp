#include "cli/births_command.h"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include <CLI/CLI.hpp>

#include "births/birth_exchange.h"
#include "births/birth_filter.h"
#include "births/birth_store.h"
#include "cli/cli_app.h"

namespace velquor {

namespace {

std::optional<ExchangeFormat> FormatOf(const BirthsOptions& options, std::ostream& err) {
  if (options.format.empty()) return FormatOfFileName(options.file);
  if (options.format == "jsonl") return ExchangeFormat::JsonLines;
  if (options.format == "csv") return ExchangeFormat::Csv;
  err << kProgram << ": --format: unknown value \"" << options.format << "\"; one of jsonl, csv\n";
  return std::nullopt;
}

bool ToStandardStream(const std::string& file) { return file.empty() || file == "-"; }

// One line of the list: id, name, date and time, city, state, country, tab-separated.
std::string ListLine(const SavedBirth& saved) {
  const BirthData& b = saved.birth;
  char moment[40];
  std::snprintf(moment, sizeof moment, "%04d-%02d-%02d %02d:%02d:%02d", b.yearNumber, b.monthNumber,
                b.dayNumber, b.hourNumber, b.minuteNumber, b.secondNumber);
  return std::to_string(saved.id) + '\t' + b.personName + '\t' + moment + '\t' + b.cityText + '\t' +
         b.stateText + '\t' + b.countryText + '\n';
}

int List(const BirthStore& store, const BirthsOptions& options, std::ostream& out) {
  const std::vector<SavedBirth> births = store.all();
  for (const std::size_t i : BirthFilter(births).Matching(options.filter)) {
    out << ListLine(births[i]);
  }
  return kExitOk;
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
  if (ToStandardStream(options.file)) {
    out << text;
    if (out.flush()) return kExitOk;
    err << kProgram << ": writing the output failed\n";
    return kExitIoFailure;
  }
  // Written whole or not at all: a file of an earlier export is replaced only by a
  // complete one.
  QSaveFile file(QString::fromStdString(options.file));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    err << kProgram << ": cannot write " << options.file << ": " << file.errorString().toStdString()
        << '\n';
    return kExitIoFailure;
  }
  return kExitOk;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

// Opens the import file named by the options; false (reported) when it cannot be read.
bool OpenInput(const BirthsOptions& options, std::ifstream& file, std::ostream& err) {
  if (ToStandardStream(options.file)) return true;
  std::error_code ignored;
  if (std::filesystem::is_directory(options.file, ignored)) {
    err << kProgram << ": " << options.file << " is a directory\n";
    return false;
  }
  file.open(options.file, std::ios::binary);
  if (!file) {
    err << kProgram << ": cannot open " << options.file << ": " << std::strerror(errno) << '\n';
    return false;
  }
  return true;
}

int Import(BirthStore& store, ExchangeFormat format, std::istream& in, std::ostream& out,
           std::ostream& err) {
  ReadBirths read;
  try {
    read = ReadBirthRecords(in, format);
  } catch (const std::ios_base::failure& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
  const AddedCounts counts = store.addAll(read.births);
  for (const RefusedLine& refused : read.refused) {
    err << kProgram << ": line " << refused.line << ": " << refused.reason << '\n';
  }
  out << "added " << Counted(counts.added, "birth", "births") << ", skipped "
      << Counted(counts.duplicates, "duplicate", "duplicates") << ", refused "
      << Counted(read.refused.size(), "line", "lines") << '\n';
  if (!out.flush()) {
    err << kProgram << ": writing the output failed\n";
    return kExitIoFailure;
  }
  return read.refused.empty() ? kExitOk : kExitFailedLines;
}

}  // namespace

CLI::App* AddBirthsCommand(CLI::App& app, BirthsOptions& options) {
  CLI::App* births = app.add_subcommand(
      "births",
      "The saved births of the desktop program: list them, export them as JSON Lines (the "
      "batch's keys, plus note) or CSV, import such files");
  births->require_subcommand(1);
  births->fallthrough();
  births->add_option("--db", options.database,
                     "The births database (default: velquor/births.sqlite in the user's data "
                     "folder, the desktop program's)");
  CLI::App* list = births->add_subcommand(
      "list", "One birth a line, tab-separated: id, name, date and time, city, state, country");
  list->add_option("--filter", options.filter,
                   "Only births whose name or place holds every word (any case, no accents "
                   "needed)");
  CLI::App* exported = births->add_subcommand(
      "export", "Write every birth, by name; an exported JSON Lines file charts through batch");
  exported->add_option("file", options.file, "Output file; standard output when absent or -");
  CLI::App* imported = births->add_subcommand(
      "import",
      "Add the births of a file (a batch input file, an export); report how many were added, "
      "skipped as already saved, and refused, with the reason for each refused line");
  imported->add_option("file", options.file, "Input file; standard input when absent or -");
  for (CLI::App* command : {exported, imported}) {
    command->add_option("--format", options.format,
                        "jsonl or csv (default: csv for a FILE ending in .csv, otherwise jsonl)");
  }
  return births;
}

int RunBirthsCommand(const CLI::App& births, const BirthsOptions& options, std::istream& in,
                     std::ostream& out, std::ostream& err) {
  const std::optional<ExchangeFormat> format = FormatOf(options, err);
  if (!format) return kExitBadInput;
  std::ifstream file;
  const bool imports = births.got_subcommand("import");
  if (imports && !OpenInput(options, file, err)) return kExitBadInput;
  const QString path = options.database.empty() ? BirthStore::DefaultPath()
                                                : QString::fromStdString(options.database);
  try {
    BirthStore store(path, imports ? BirthStore::Access::ReadWrite : BirthStore::Access::ReadOnly);
    if (births.got_subcommand("list")) return List(store, options, out);
    if (births.got_subcommand("export")) return Export(store, *format, options, out, err);
    return Import(store, *format, ToStandardStream(options.file) ? in : file, out, err);
  } catch (const BirthStoreError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
}

}  // namespace velquor
