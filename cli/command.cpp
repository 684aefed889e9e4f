// Messages of the commands.
#include "cli/command.h"

namespace zerin::cli {

void Say(CommandContext& context, const std::string& message) {
    context.err << "zerin-cli: " << message << '\n';
}

}  // namespace zerin::cli
