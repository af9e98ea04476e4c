// The common shape of velquor-cli's commands: each adds itself, with its options, to the
// tool's parser and runs once the arguments are parsed; with the exit statuses they return.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

namespace CLI {
class App;
}

namespace velquor {

inline constexpr char kProgram[] = "velquor-cli";  // how messages name the tool

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailedLines = 1;   // batch: at least one line gave an error line
inline constexpr int kExitBadInput = 2;      // bad options or birth data
inline constexpr int kExitChartStopped = 3;  // the chart run stopped with a message
inline constexpr int kExitIoFailure = 4;     // reading the input or writing the output failed
inline constexpr int kExitBusy = 5;  // births: the database is in use by another program

// batch stopped by SIGINT or SIGTERM after a whole line: 128 + the signal's number, as a
// shell reports it (main then ends by the signal itself).

// The file descriptors of the process's standard input and output when the streams a
// command is given are those; -1 when they are not. batch waits on the first for input, so
// that a stop signal ends the wait, and compares the second with its input file.
struct StandardFds {
  int in = -1;
  int out = -1;
  int err = -1;
};

// What a command reads and writes: the standard input (batch, births import), the standard
// output, and the messages, whose control characters are shown escaped; `terminal` is the
// standard error unescaped when it is a terminal (for a progress line), else null.
struct CommandStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  StandardFds fds;
  std::ostream* terminal = nullptr;
};

class Command {
 public:
  // `name` as typed ("chart") and `description`, the line the help shows for it.
  Command(std::string name, std::string description)
      : name_(std::move(name)), description_(std::move(description)) {}
  virtual ~Command() = default;
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  // Adds the command, with its options bound to members of the command, to `tool`.
  // Returns the command's parser, which reads true after parsing when the arguments chose
  // this command.
  CLI::App* Register(CLI::App& tool);

  // Runs the command with the parsed options. Returns the exit status.
  virtual int Run(const CommandStreams& streams) = 0;

 protected:
  // Adds the command's own options (and commands) to its parser `command`.
  virtual void AddOptions(CLI::App& /*command*/) {}

 private:
  std::string name_;
  std::string description_;
};

// A command without options of its own, which runs `run`.
std::unique_ptr<Command> PlainCommand(std::string name, std::string description,
                                      std::function<int(const CommandStreams&)> run);

}  // namespace velquor
