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

// What completes a word that is not an option: the command's sub-commands, or the kind
// of its first argument.
std::string ArgumentCompletion(const CommandHelp& command, const std::string& commands) {
  if (const std::vector<std::string> subs = command.SubcommandNames(); !subs.empty()) {
    return R"(compgen -W ")" + Listed(subs) + R"(" -- "$cur")";
  }
  const HelpText& help = command.help;
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
  std::vector<std::string> commandNames;  // the first level: "births", not "births list"
  std::string parents;                    // the commands with sub-commands, as a case pattern
  std::string parentValues;               // the options of those that take a value
  for (const CommandHelp& command : program.commands) {
    if (command.name.find(' ') != std::string::npos) continue;
    commandNames.push_back(command.name);
    if (command.SubcommandNames().empty()) continue;
    AppendJoined(parents, "|", command.name);
    if (const std::string values = ValueOptionsPattern(command.help); !values.empty()) {
      AppendJoined(parentValues, "|", values);
    }
  }
  const std::string commands = Listed(commandNames);

  // The command is the first word that is not an option (the program's own options take
  // no value), followed by its sub-command when it has them: the next such word that is
  // not an option's value.
  std::string script =
      "# bash completion for " + program.name + ", made at build time from its help texts.\n";
  script += function + R"(() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local command="" i
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      -*) ;;
)";
  if (parents.empty()) {
    script += "      *) command=${COMP_WORDS[i]}; break ;;\n";
  } else {
    script += "      *)\n        if [[ -z $command ]]; then\n          command=${COMP_WORDS[i]}\n"
              "          case $command in " + parents + ") ;; *) break ;; esac\n"
              "        else\n";
    if (!parentValues.empty()) {
      script += "          case ${COMP_WORDS[i-1]} in " + parentValues + ") continue ;; esac\n";
    }
    script += "          command=\"$command ${COMP_WORDS[i]}\"\n          break\n        fi ;;\n";
  }
  script += R"(    esac
  done
  COMPREPLY=()
  case $command in
)";
  script += "    \"\")\n      COMPREPLY=($(compgen -W \"" +
            Listed({commands, Listed(OptionNames(program.help))}) + "\" -- \"$cur\")) ;;\n";
  for (const CommandHelp& command : program.commands) {
    script += "    \"" + command.name + "\")\n";
    if (const std::string values = ValueOptionsPattern(command.help); !values.empty()) {
      script += "      case $prev in " + values + ") return ;; esac\n";
    }
    const std::string argument = ArgumentCompletion(command, commands);
    script += "      if [[ $cur == -* ]]; then\n        COMPREPLY=($(compgen -W \"" +
              Listed(OptionNames(command.help)) + "\" -- \"$cur\"))\n";
    if (!argument.empty()) script += "      else\n        COMPREPLY=($(" + argument + "))\n";
    script += "      fi ;;\n";
  }
  script += "  esac\n}\ncomplete -o default -F " + function + " " + program.name + "\n";
  return script;
}

}  // namespace velquor::help_pages
