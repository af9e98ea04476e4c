#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  // Standard streams without C stdio: the batch command writes many lines.
  std::ios_base::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return velquor::RunCli(args, std::cin, std::cout, std::cerr);
}
