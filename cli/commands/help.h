// `zerin-cli help [COMMAND]`: the tool's help, or a command's, as --help gives it.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command.h"

namespace zerin::cli {

// The help of the tool whose commands are declared, or of one of them.
std::unique_ptr<Command> MakeHelpCommand(const CLI::App& tool);

}  // namespace zerin::cli
