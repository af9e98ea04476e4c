#include "cli/help_command.h"

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/command_io.h"

namespace velquor {

namespace {

class HelpCommand final : public Command {
 public:
  HelpCommand()
      : Command("help", "Describe the commands, or one COMMAND's options (a sub-command "
                        "after its command: help births export)") {}

  int Run(const CommandStreams& streams) override {
    if (topic_.empty()) {
      // The tool's own help: tool_->help() would describe the selected "help" command.
      streams.out << tool_->get_formatter()->make_help(tool_, kProgram, CLI::AppFormatMode::Normal);
      return FinishOutput(streams.out, streams.err);
    }
    // Each word names a sub-command of the one before it.
    const CLI::App* topic = tool_;
    std::string usagePrefix = kProgram;  // the words before the topic's name in its usage
    std::string named;
    for (const std::string& word : topic_) {
      if (!named.empty()) usagePrefix += " " + topic->get_name();
      named += named.empty() ? word : " " + word;
      topic = CommandNamed(*topic, word);
      if (topic == nullptr) {
        streams.err << kProgram << ": help: unknown command \"" << named << "\"\n";
        return kExitBadInput;
      }
    }
    streams.out << topic->help(usagePrefix);
    return FinishOutput(streams.out, streams.err);
  }

 private:
  void AddOptions(CLI::App& command) override {
    tool_ = command.get_parent();
    command.add_option("command", topic_, "The command to describe");
  }

  CLI::App* tool_ = nullptr;
  std::vector<std::string> topic_;
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
