// The tool's command line as a whole: its commands, --help and --version, and the exit status
// of a command line that CLI11 refuses.
#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

namespace zerin::cli {

// Reads the words after the program's name and runs the command they name; gives the exit
// status. Help and the version go to the output stream, a refusal to the error stream.
int RunCli(const std::vector<std::string>& words, CommandContext& context);

}  // namespace zerin::cli
