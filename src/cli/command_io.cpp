#include "cli/command_io.h"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/command.h"

namespace velquor {

bool IsStandardStream(const std::string& path) { return path.empty() || path == "-"; }

std::string NonRegularFileKind(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  switch (fs::status(path, error).type()) {
    case fs::file_type::none:
    case fs::file_type::not_found:
    case fs::file_type::regular:
      return {};
    case fs::file_type::directory:
      return "a directory";
    case fs::file_type::fifo:
      return "a FIFO";
    case fs::file_type::character:
      return "a character device";
    case fs::file_type::block:
      return "a block device";
    case fs::file_type::socket:
      return "a socket";
    default:
      return "not a regular file";
  }
}

bool OpenInputFile(const std::string& path, std::ifstream& file, std::ostream& err) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    err << kProgram << ": " << path << " is a directory\n";
    return false;
  }
  file.open(path, std::ios::binary);
  if (!file) {
    err << kProgram << ": cannot open " << path << ": " << std::strerror(errno) << '\n';
    return false;
  }
  return true;
}

int FinishOutput(std::ostream& out, std::ostream& err) {
  if (out.flush()) return kExitOk;
  err << kProgram << ": writing the output failed\n";
  return kExitIoFailure;
}

int WriteOutput(std::string_view text, const std::string& path, std::ostream& out,
                std::ostream& err) {
  if (IsStandardStream(path)) {
    out << text;
    return FinishOutput(out, err);
  }
  if (const std::string kind = NonRegularFileKind(path); !kind.empty()) {
    err << kProgram << ": cannot write " << path << ": it is " << kind
        << ", not a regular file\n";
    return kExitIoFailure;
  }
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    err << kProgram << ": cannot write " << path << ": " << file.errorString().toStdString()
        << '\n';
    return kExitIoFailure;
  }
  return kExitOk;
}

}  // namespace velquor
