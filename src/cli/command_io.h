// The one way velquor-cli's commands open their input files and finish their output, so
// that every command reports a file it cannot read or write alike.
#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

namespace velquor {

// True for the name of a standard stream in place of a file: empty or "-".
bool IsStandardStream(const std::string& path);

// Empty when `path` names a regular file, a symbolic link to one, or nothing yet; else what
// it names instead, for a message: "a directory", "a FIFO", "a character device", "a block
// device", "a socket". Only looks (stat): a FIFO is not opened, so nothing waits.
std::string NonRegularFileKind(const std::string& path);

// Opens `path` for reading into `file`. False, after a message naming the file on `err`,
// when it is a folder or cannot be opened.
bool OpenInputFile(const std::string& path, std::ifstream& file, std::ostream& err);

// kExitOk once `out` has taken everything written to it; else kExitIoFailure, after saying
// on `err` that writing the output failed.
int FinishOutput(std::ostream& out, std::ostream& err);

// Writes `text` to the standard output `out` when IsStandardStream(path), else to the file
// `path`, whole or not at all (a file written before is replaced only by a complete one; a
// symbolic link to a file is written through). Returns kExitOk, or kExitIoFailure after a
// message naming the file, also when `path` is a directory, FIFO, device or socket, which
// is left as it is.
int WriteOutput(std::string_view text, const std::string& path, std::ostream& out,
                std::ostream& err);

}  // namespace velquor
