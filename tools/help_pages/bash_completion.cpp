#include "bash_completion.h"

#include <algorithm>

namespace velquor::help_pages {

namespace {

std::string Listed(const std::vector<std::string>& words) {
  std::string list;
  for (const std::string& word : words) AppendJoined(list, " ", word);
  return list;
}

std::vector<std::string> OptionNames(const HelpText& help) {
  std::vector<std::string> names;
  for (const HelpEntry& entry : help.EntriesOf("Options")) {
    names.insert(names.end(), entry.names.begin(), entry.names.end());
  }
  return names;
}

// The options that take a value, as a case pattern ("--name|--date"); "" when none do.
std::string ValueOptionsPattern(const HelpText& help) {
  std::vector<std::string> names;
  for (const HelpEntry& entry : help.EntriesOf("Options")) {
    if (entry.TakesValue()) names.insert(names.end(), entry.names.begin(), entry.names.end());
  }
  std::string pattern;
  for (const std::string& name : names) AppendJoined(pattern, "|", name);
  return pattern;
}

// What completes a word that is not an option: the kind of the command's first argument.
std::string ArgumentCompletion(const HelpText& help, const std::string& commands) {
  const std::vector<HelpEntry> arguments = help.EntriesOf("Positionals");
  if (arguments.empty()) return "";
  const std::string& name = arguments.front().names.front();
  if (name == "file") return "compgen -f -- \"$cur\"";
  if (name == "command") return R"(compgen -W ")" + commands + R"(" -- "$cur")";
  return "";
}

}  // namespace

std::string BashCompletion(const ProgramHelp& program) {
  std::string function = "_" + program.name;
  std::replace(function.begin(), function.end(), '-', '_');
  std::vector<std::string> commandNames;
  for (const CommandHelp& command : program.commands) commandNames.push_back(command.name);
  const std::string commands = Listed(commandNames);

  // The command is the first word that is not an option: the program's own options take
  // no value.
  std::string script =
      "# bash completion for " + program.name + ", made at build time from its help texts.\n";
  script += function + R"(() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local command="" i
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      -*) ;;
      *) command=${COMP_WORDS[i]}; break ;;
    esac
  done
  COMPREPLY=()
  case $command in
)";
  script += "    \"\")\n      COMPREPLY=($(compgen -W \"" +
            Listed({commands, Listed(OptionNames(program.help))}) + "\" -- \"$cur\")) ;;\n";
  for (const CommandHelp& command : program.commands) {
    script += "    " + command.name + ")\n";
    if (const std::string values = ValueOptionsPattern(command.help); !values.empty()) {
      script += "      case $prev in " + values + ") return ;; esac\n";
    }
    const std::string argument = ArgumentCompletion(command.help, commands);
    script += "      if [[ $cur == -* ]]; then\n        COMPREPLY=($(compgen -W \"" +
              Listed(OptionNames(command.help)) + "\" -- \"$cur\"))\n";
    if (!argument.empty()) script += "      else\n        COMPREPLY=($(" + argument + "))\n";
    script += "      fi ;;\n";
  }
  script += "  esac\n}\ncomplete -o default -F " + function + " " + program.name + "\n";
  return script;
}

}  // namespace velquor::help_pages
