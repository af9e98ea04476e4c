// velquor-cli as a whole: its version, help and unknown commands, a failing output and
// the control characters of names and messages, for every command alike.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

TEST(CliOutput, AFailingOutputIsReported) {
  std::vector<std::string> windows = kDelhi;
  windows[0] = "windows";
  const std::vector<std::vector<std::string>> commands = {kDelhi,
                                                          {"batch"},
                                                          {"zones"},
                                                          {"stations", "Mercury"},
                                                          {"example"},
                                                          windows,
                                                          {"places", "Varanasi"},
                                                          {"help"},
                                                          {"help", "chart"}};
  for (const auto& args : commands) {
    std::istringstream in(BatchLine("ASHA", 6));
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunCli(args, in, out, err), kExitIoFailure) << args[0];
    EXPECT_NE(err.str().find("writing the output failed"), std::string::npos) << err.str();
  }
}

// A name or a place can hold terminal controls: neither the chart nor a message passes
// them on raw.
TEST(CliOutput, ControlCharactersReachNoTerminal) {
  const std::string evil = "\x1B]0;owned\x07\x1B[2J";
  const CliRun chart = Cli(With(With(kDelhi, "--name", evil), "--city", "A\rB"));
  EXPECT_EQ(chart.status, kExitOk);
  EXPECT_NE(chart.out.find("\\x1b]0;owned\\x07\\x1b[2J"), std::string::npos) << chart.out;
  EXPECT_NE(chart.out.find("A\\x0dB"), std::string::npos);
  const std::vector<std::vector<std::string>> failing = {
      {"places", evil},
      {"stations", evil},
      {"batch", evil},
      With(kDelhi, "--zone", evil),
      Plus(Plus(kDelhi, "--nme"), evil),
  };
  for (const auto& args : failing) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.status, kExitOk) << args[0];
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\\x1b"), std::string::npos) << run.err;
  }
  const CliRun json = Cli(Plus(With(kDelhi, "--name", evil), "--json"));
  EXPECT_EQ(Json::parse(json.out)["details"]["name"],
            evil);  // JSON escapes by itself; the value is kept
}

TEST(CliHabits, VersionHelpAndUnknownCommands) {
  const CliRun version = Cli({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out, std::string("velquor-cli ") + VELQUOR_VERSION + "\n");

  // help COMMAND is COMMAND --help; help alone lists every command. (CLI11 lists the
  // options an option excludes in no fixed order: those lines are left out.)
  const auto withoutExcludes = [](const std::string& text) {
    std::vector<std::string> lines = Lines(text);
    std::erase_if(
        lines, [](const std::string& line) { return line.find("Excludes:") != std::string::npos; });
    return lines;
  };
  for (const char* command : {"chart", "windows", "batch", "zones", "places", "stations"}) {
    const CliRun help = Cli({"help", command});
    EXPECT_EQ(help.status, kExitOk) << command;
    EXPECT_EQ(withoutExcludes(help.out), withoutExcludes(Cli({command, "--help"}).out)) << command;
    EXPECT_NE(Cli({"help"}).out.find(command), std::string::npos) << command;
  }
  const CliRun unknown = Cli({"chrat", "--name", "A"});
  EXPECT_EQ(unknown.status, kExitBadInput);
  EXPECT_NE(unknown.err.find("unknown command \"chrat\"; the commands are chart,"),
            std::string::npos)
      << unknown.err;
  EXPECT_EQ(Cli({"help", "chrat"}).status, kExitBadInput);

  // A sub-command's help after its command's name, as its own --help.
  for (const char* sub : {"list", "export", "import"}) {
    const CliRun help = Cli({"help", "births", sub});
    EXPECT_EQ(help.status, kExitOk) << sub;
    EXPECT_EQ(withoutExcludes(help.out), withoutExcludes(Cli({"births", sub, "--help"}).out))
        << sub;
  }
  const CliRun unknownSub = Cli({"help", "births", "exprot"});
  EXPECT_EQ(unknownSub.status, kExitBadInput);
  EXPECT_NE(unknownSub.err.find("unknown command \"births exprot\""), std::string::npos)
      << unknownSub.err;
}

}  // namespace
}  // namespace velquor::test
