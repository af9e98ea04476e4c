#include "program_help.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace velquor::help_pages {

std::string OutputOf(const std::string& path, const std::vector<std::string>& args) {
  std::string command = path;
  for (const std::string& arg : args) command += " " + arg;
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
  if (child == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  close(fds[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    output.append(buffer, static_cast<std::size_t>(got));
  }
  close(fds[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(command + " did not end with status 0");
  }
  return output;
}

std::vector<std::string> CommandHelp::SubcommandNames() const {
  std::vector<std::string> names;
  for (const HelpEntry& entry : help.EntriesOf("Subcommands")) names.push_back(entry.names.front());
  return names;
}

ProgramHelp ReadProgramHelp(const std::string& path, bool helpCommand) {
  ProgramHelp program;
  program.help = ParseHelpText(OutputOf(path, {helpCommand ? "help" : "--help"}));
  const std::string& usage = program.help.usage;
  program.name = usage.substr(0, usage.find(' '));
  const std::string version = OutputOf(path, {"--version"});
  if (version.rfind(program.name + " ", 0) != 0 || version.back() != '\n') {
    throw std::runtime_error(path + " --version: not \"" + program.name + " VERSION\"");
  }
  program.version =
      version.substr(program.name.size() + 1, version.size() - program.name.size() - 2);
  if (helpCommand) {
    for (const HelpEntry& command : program.help.EntriesOf("Subcommands")) {
      const std::string& name = command.names.front();
      program.commands.push_back({name, ParseHelpText(OutputOf(path, {"help", name}))});
      for (const std::string& sub : program.commands.back().SubcommandNames()) {
        program.commands.push_back(
            {name + " " + sub, ParseHelpText(OutputOf(path, {"help", name, sub}))});
      }
    }
  }
  return program;
}

}  // namespace velquor::help_pages
