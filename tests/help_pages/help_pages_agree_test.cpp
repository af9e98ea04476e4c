// The manual pages and the bash completion the build made agree with the help texts the
// built programs print: every command, option and argument of the help is in the rendered
// page and offered by the completion, and groff renders the pages without a warning.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What `command` (run by sh) writes to its standard output; its standard error too when
// the command redirects it.
std::string Output(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) throw std::runtime_error("cannot run " + command);
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, got);
  }
  const int status = pclose(pipe);
  if (status != 0)
    throw std::runtime_error(command + " ended with status " + std::to_string(status));
  return output;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Cli(const std::string& arguments) {
  return Output(std::string(VELQUOR_CLI_PATH) + " " + arguments);
}

// The first words of the lines of a help text's section ("Subcommands", "Positionals"),
// up to the blank line that ends it.
std::vector<std::string> SectionNames(const std::string& help, const std::string& title) {
  std::vector<std::string> names;
  bool inside = false;
  for (const std::string& line : Lines(help)) {
    if (line == title + ":") {
      inside = true;
    } else if (line.empty()) {
      inside = false;
    } else if (inside && line.rfind("  ", 0) == 0 && line[2] != ' ') {
      names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
  }
  return names;
}

// Every option name the help text's option lines start with ("-h,--help" gives both).
std::set<std::string> OptionNames(const std::string& help) {
  std::set<std::string> names;
  const std::regex name("-{1,2}[A-Za-z][A-Za-z0-9-]*");
  for (const std::string& line : Lines(help)) {
    if (line.rfind("  -", 0) != 0) continue;
    const std::string first = line.substr(2, line.find(' ', 2) - 2);
    for (std::sregex_iterator it(first.begin(), first.end(), name), end; it != end; ++it) {
      names.insert(it->str());
    }
  }
  return names;
}

// `text` with every run of blanks and line ends as one blank: the rendered page wraps lines.
std::string Flattened(const std::string& text) {
  std::istringstream in(text);
  std::string flat;
  for (std::string word; in >> word;) flat += word + " ";
  return flat;
}

std::string RenderedPage(const std::string& page) {
  return Output("groff -man -Tutf8 -P-cbou " + page);
}

const std::string kManDir = VELQUOR_MAN1_DIR;

TEST(HelpPages, GroffRendersThePagesWithoutWarnings) {
  std::vector<std::string> pages = {kManDir + "/velquor-cli.1"};
#ifdef VELQUOR_DESKTOP_PATH
  pages.push_back(kManDir + "/velquor.1");
#endif
  for (const std::string& page : pages) {
    EXPECT_EQ(Output("groff -man -Tutf8 -ww -z " + page + " 2>&1"), "") << page;
  }
}

TEST(HelpPages, CliPageHoldsEveryCommandOptionAndArgument) {
  const std::string page = RenderedPage(kManDir + "/velquor-cli.1");
  const std::string help = Cli("help");
  const std::vector<std::string> commands = SectionNames(help, "Subcommands");
  ASSERT_GE(commands.size(), 8u);
  for (const std::string& option : OptionNames(help)) {
    EXPECT_NE(page.find(option), std::string::npos) << option;
  }
  // Each command, and each sub-command after its command, has a subsection of its own.
  std::vector<std::string> everyCommand;
  for (const std::string& command : commands) {
    everyCommand.push_back(command);
    for (const std::string& sub : SectionNames(Cli("help " + command), "Subcommands")) {
      everyCommand.push_back(command + " " + sub);
    }
  }
  ASSERT_GT(everyCommand.size(), commands.size());  // births has its own
  for (const std::string& command : everyCommand) {
    EXPECT_NE(page.find("\n   " + command + "\n"), std::string::npos) << command;
    const std::string commandHelp = Cli("help " + command);
    EXPECT_NE(Flattened(page).find(Flattened(Lines(commandHelp).front())), std::string::npos)
        << command;
    for (const std::string& option : OptionNames(commandHelp)) {
      EXPECT_NE(page.find(option), std::string::npos) << command << " " << option;
    }
    for (const std::string& argument : SectionNames(commandHelp, "Positionals")) {
      EXPECT_NE(page.find(argument), std::string::npos) << command << " " << argument;
    }
  }
  EXPECT_NE(page.find("EXIT STATUS"), std::string::npos);
}

#ifdef VELQUOR_DESKTOP_PATH
TEST(HelpPages, DesktopPageHoldsEveryOption) {
  const std::string page = RenderedPage(kManDir + "/velquor.1");
  const std::string help = Output(std::string(VELQUOR_DESKTOP_PATH) + " --help");
  for (const std::string& option : OptionNames(help)) {
    EXPECT_NE(page.find(option), std::string::npos) << option;
  }
  const std::string version = Output(std::string(VELQUOR_DESKTOP_PATH) + " --version");
  EXPECT_NE(page.find(version.substr(0, version.size() - 1)), std::string::npos) << version;
}
#endif

// What the completion offers for the words of a command line, the last being completed,
// run by bash in `folder`.
std::set<std::string> Offered(
    const std::vector<std::string>& words,
    const std::filesystem::path& folder = std::filesystem::temp_directory_path()) {
  std::string array;
  for (const std::string& word : words) array += " '" + word + "'";
  const std::filesystem::path script = std::filesystem::temp_directory_path() /
                                       ("velquor-completion-" + std::to_string(getpid()) + ".sh");
  std::ofstream(script) << "cd '" << folder.string() << "'\nsource '" VELQUOR_COMPLETION_PATH
                        << "'\nCOMP_WORDS=(" << array << ")\nCOMP_CWORD=" << words.size() - 1
                        << "\n_velquor_cli\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
  std::set<std::string> offered;
  for (const std::string& line : Lines(Output("bash " + script.string()))) {
    if (!line.empty()) offered.insert(line);
  }
  std::filesystem::remove(script);
  return offered;
}

TEST(BashCompletion, OffersEveryCommandAndEachCommandsOptions) {
  const std::string help = Cli("help");
  const std::vector<std::string> commands = SectionNames(help, "Subcommands");
  std::set<std::string> first(commands.begin(), commands.end());
  const std::set<std::string> options = OptionNames(help);
  first.insert(options.begin(), options.end());
  EXPECT_EQ(Offered({"velquor-cli", ""}), first);
  EXPECT_EQ(Offered({"velquor-cli", "help", ""}),
            std::set<std::string>(commands.begin(), commands.end()));
  for (const std::string& command : commands) {
    EXPECT_EQ(Offered({"velquor-cli", command, "-"}), OptionNames(Cli("help " + command)))
        << command;
  }
  // A command with sub-commands offers them, then each one's own options, also after the
  // command's option that takes a value.
  for (const std::string& command : commands) {
    const std::vector<std::string> subs = SectionNames(Cli("help " + command), "Subcommands");
    if (subs.empty()) continue;
    EXPECT_EQ(Offered({"velquor-cli", command, ""}), std::set<std::string>(subs.begin(), subs.end()))
        << command;
    for (const std::string& sub : subs) {
      const std::set<std::string> subOptions = OptionNames(Cli("help " + command + " " + sub));
      EXPECT_EQ(Offered({"velquor-cli", command, sub, "-"}), subOptions) << command << " " << sub;
      if (OptionNames(Cli("help " + command)).count("--db") != 0) {
        EXPECT_EQ(Offered({"velquor-cli", command, "--db", "x.sqlite", sub, "-"}), subOptions)
            << command << " " << sub;
      }
    }
  }
  EXPECT_EQ(Offered({"velquor-cli", "ch"}), std::set<std::string>{"chart"});
  // After an option that takes a value, nothing: bash falls back to file names.
  EXPECT_TRUE(Offered({"velquor-cli", "chart", "--name", ""}).empty());
}

TEST(BashCompletion, OffersFilesForTheBatchInput) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("velquor-completion-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "births.jsonl") << "{}\n";
  EXPECT_EQ(Offered({"velquor-cli", "batch", "bi"}, folder), std::set<std::string>{"births.jsonl"});
  std::filesystem::remove_all(folder);
}

}  // namespace
