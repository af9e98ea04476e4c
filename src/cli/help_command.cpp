#include "cli/help_command.h"

#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_io.h"

namespace velquor {

namespace {

class HelpCommand final : public Command {
 public:
  HelpCommand() : Command("help", "Describe the commands, or one COMMAND's options") {}

  int Run(const CommandStreams& streams) override {
    if (topic_.empty()) {
      // The tool's own help: tool_->help() would describe the selected "help" command.
      streams.out << tool_->get_formatter()->make_help(tool_, kProgram, CLI::AppFormatMode::Normal);
      return FinishOutput(streams.out, streams.err);
    }
    const CLI::App* topic = CommandNamed(*tool_, topic_);
    if (topic == nullptr) {
      streams.err << kProgram << ": help: unknown command \"" << topic_ << "\"\n";
      return kExitBadInput;
    }
    streams.out << topic->help(kProgram);
    return FinishOutput(streams.out, streams.err);
  }

 private:
  void AddOptions(CLI::App& command) override {
    tool_ = command.get_parent();
    command.add_option("command", topic_, "The command to describe");
  }

  CLI::App* tool_ = nullptr;
  std::string topic_;
};

}  // namespace

std::unique_ptr<Command> MakeHelpCommand() { return std::make_unique<HelpCommand>(); }

const CLI::App* CommandNamed(const CLI::App& tool, std::string_view name) {
  for (const CLI::App* command : tool.get_subcommands({})) {
    if (command->get_name() == name) return command;
  }
  return nullptr;
}

}  // namespace velquor
