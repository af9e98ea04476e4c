#include "cli/command.h"

#include <CLI/CLI.hpp>

namespace velquor {

CLI::App* Command::Register(CLI::App& tool) {
  CLI::App* command = tool.add_subcommand(name_, description_);
  AddOptions(*command);
  return command;
}

namespace {

class Plain final : public Command {
 public:
  Plain(std::string name, std::string description, std::function<int(const CommandStreams&)> run)
      : Command(std::move(name), std::move(description)), run_(std::move(run)) {}

  int Run(const CommandStreams& streams) override { return run_(streams); }

 private:
  std::function<int(const CommandStreams&)> run_;
};

}  // namespace

std::unique_ptr<Command> PlainCommand(std::string name, std::string description,
                                      std::function<int(const CommandStreams&)> run) {
  return std::make_unique<Plain>(std::move(name), std::move(description), std::move(run));
}

}  // namespace velquor
