// velquor-cli births: the saved births of the desktop program's database (or another named
// by --db) listed, exported and imported, so that a library can be backed up and scripted.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace velquor {

struct BirthsOptions {
  std::string database;  // empty: the user's database
  std::string format;    // "jsonl", "csv", or empty: by the file's name (JSON Lines otherwise)
  std::string file;      // export's output or import's input; empty or "-": standard streams
  std::string filter;    // list: words that must occur in the name or place
};

// Adds the command "births" with its commands list, export and import to `app`.
CLI::App* AddBirthsCommand(CLI::App& app, BirthsOptions& options);

// Runs the command chosen in `births` (parsed). Exit status: 0 done; 1 import refused some
// lines; 2 bad options; 4 the database or a file could not be read or written.
int RunBirthsCommand(const CLI::App& births, const BirthsOptions& options, std::istream& in,
                     std::ostream& out, std::ostream& err);

}  // namespace velquor
