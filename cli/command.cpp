// Messages and the end of the commands.
#include "cli/command.h"

#include "cli/exit_status.h"

namespace zerin::cli {

void Say(CommandContext& context, const std::string& message) {
    context.err << "zerin-cli: " << message << '\n';
}

void PrintJson(CommandContext& context, const Json& value) {
    context.out << JsonText(value) << '\n';
}

int Finish(CommandContext& context, int status) {
    const auto& failure = context.sockets.Failure();
    if (failure) {
        Say(context, "the network failed: " + *failure);
    }
    return FinalStatus(static_cast<ExitStatus>(status), failure.has_value());
}

}  // namespace zerin::cli
