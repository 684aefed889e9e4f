// The search options and the failures of a search.
#include "cli/search_options.h"

#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "operations/search/search_targets.h"

namespace zerin::cli {

void AddSearchOptions(CLI::App& command, SearchOptions& options) {
    CLI::Option* adapter =
        command
            .add_option("--adapter", options.adapters,
                        "broadcast only through this adapter, by name or address (repeatable)")
            ->type_name("NAME|ADDRESS");
    command
        .add_option("--target", options.targets,
                    "search also by unicast to an address, a block or a range, such as a network "
                    "behind a router (repeatable; 65536 addresses at most)")
        ->type_name("ADDRESS|CIDR|FIRST-LAST")
        ->check(CLI::Validator(
            [](std::string& text) {
                std::string error;
                return ParseTarget(text, error) ? std::string() : error;
            },
            ""));
    command.add_option("--rate", options.rate, "unicasts a second at most to the targets")
        ->type_name("N")
        ->capture_default_str()
        ->check(WholeNumberCheck(1, 1000000, "a second"));
    command
        .add_flag("--no-broadcast", options.noBroadcast,
                  "send only to the targets, no broadcast through the adapters")
        ->excludes(adapter);
    command
        .add_option("--window", options.windowSeconds,
                    "seconds the search takes answers after its first sends, at most")
        ->type_name("SECONDS")
        ->capture_default_str()
        ->check(SecondsCheck(0.1, 3600));
}

int SayFailure(CommandContext& context, const SearchFailure& failure) {
    if (!context.sockets.Failure()) {
        Say(context, failure.reason);
    }
    return failure.kind == SearchFailure::kNoAdapterUp ? kExitNetworkFailed : kExitBadInput;
}

}  // namespace zerin::cli
