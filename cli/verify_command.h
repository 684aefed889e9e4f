// `zerin-cli verify DEVICE --user NAME [--password PW]`: asks the device whether the name and
// password are its administrator's, and prints its verdict.
#pragma once

#include "cli/command.h"

namespace zerin::cli {

const Command& VerifyCommand();

}  // namespace zerin::cli
