// Messages and the end of the commands.
#include "cli/command.h"

#include "cli/exit_status.h"

namespace zerin::cli {

void Say(CommandContext& context, const std::string& message) {
    Warn(context, message);
    context.lastSaid = message;
}

void Warn(CommandContext& context, const std::string& message) {
    context.err << "zerin-cli: " << message << '\n';
}

void PrintJson(CommandContext& context, const Json& value) {
    context.out << JsonText(value) << '\n';
    context.printedJson = true;
}

void Answer(CommandContext& context, Json value) {
    context.answer = std::move(value);
}

void EndJson(CommandContext& context, int status) {
    if (!context.answer && context.printedJson) {
        return;
    }
    Json value = context.answer.value_or(Json::object());
    if (status != kExitDone) {
        value["error"] = context.lastSaid.empty() ? Json(nullptr) : Json(context.lastSaid);
        value["exitStatus"] = status;
    }
    if (!value.empty()) {
        PrintJson(context, value);
    }
}

int Finish(CommandContext& context, int status) {
    const auto& failure = context.sockets.Failure();
    if (failure) {
        Say(context, "the network failed: " + *failure);
    }
    return FinalStatus(static_cast<ExitStatus>(status), failure.has_value());
}

}  // namespace zerin::cli
