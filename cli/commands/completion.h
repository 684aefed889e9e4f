// `zerin-cli completion bash`: a bash completion script made from the commands' declarations,
// for /usr/share/bash-completion/completions/zerin-cli or a `source` in ~/.bashrc.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeCompletionCommand(const CLI::App& tool);

// The script: the commands after zerin-cli and help, each command's options after it, files
// elsewhere.
std::string BashCompletion(const CLI::App& tool);

}  // namespace zerin::cli
