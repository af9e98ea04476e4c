#include "gui/app/desktop_command_line.h"

namespace velquor {

std::string DesktopHelpText() {
  return "Compute a person's Pranapada Lagna with the sidereal birth chart, in a window.\n"
         "Usage: velquor [OPTIONS]\n"
         "\n"
         "Options:\n"
         "  -h,--help                   Print this help message and exit\n"
         "  --version                   Print the program's name and version and exit\n"
         "\n"
         "Only one copy runs per user: starting it again brings the running window to the\n"
         "front. Qt's own options, such as -platform or -style, are accepted too.\n"
         "\n"
         "See also:\n"
         "  velquor-cli(1)    the same charts from the command line\n";
}

std::optional<int> AnswerInfoOptions(const std::vector<std::string>& args, std::ostream& out,
                                     std::ostream& err) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << DesktopHelpText();
    } else if (arg == "--version") {
      out << "velquor " << VELQUOR_VERSION << '\n';
    } else {
      continue;
    }
    if (out.flush()) return 0;
    err << "velquor: writing the output failed\n";
    return 4;
  }
  return std::nullopt;
}

}  // namespace velquor
