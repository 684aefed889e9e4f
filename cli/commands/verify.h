// `zerin-cli verify DEVICE --user NAME [password source]`: asks the device whether the name and
// password are its administrator's, and prints its verdict.
#pragma once

#include <memory>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeVerifyCommand();

}  // namespace zerin::cli
