// The command-line tool run in this process on string streams, and what the tests of its
// commands share: the arguments of a birth in New Delhi and ways to vary them, the checks
// every chart object must pass, and the check of a fault's field.
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace velquor::test {

using Json = nlohmann::json;

struct CliRun {
  int status = -1;
  std::string out, err;
};

// RunCli on `args`, with `input` as the standard input.
CliRun Cli(const std::vector<std::string>& args, const std::string& input = "");

std::vector<std::string> Lines(const std::string& text);

// chart for ASHA in New Delhi, 1990-08-15 06:30:15 on Indian time, with city, state and
// country.
extern const std::vector<std::string> kDelhi;

// The arguments with an option's value replaced, the option and its value removed, or a
// flag added.
std::vector<std::string> With(std::vector<std::string> args, const std::string& option,
                              const std::string& value);
std::vector<std::string> Without(std::vector<std::string> args, const std::string& option);
std::vector<std::string> Plus(std::vector<std::string> args, const std::string& flag);

// The parts of a chart object that must hang together whatever the engine computes.
void ExpectConsistentChart(const Json& chart);

// Expects `parse` to throw InputError naming `field`; `what` names the case in a failure.
void ExpectFault(const std::function<void()>& parse, const std::string& field,
                 const std::string& what);

// A batch line for a birth in New Delhi on 15 August 1990 at `hour`:30, with `extra` keys
// (",\"dst\":true").
std::string BatchLine(const std::string& name, int hour, const std::string& extra = "");

}  // namespace velquor::test
