// What every command of the command-line tool is given, and how it is declared and run: each
// command declares its options, their help and their checks in CLI11, and runs after the whole
// command line has been checked, so that nothing goes out for a command that will be refused.
#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "operations/checked_socket_layer.h"
#include "operations/json_text.h"
#include "platform/console.h"
#include "platform/network_adapters.h"
#include "platform/stop_signals.h"
#include "protocol/reporter.h"

namespace zerin::cli {

struct CommandContext {
    CheckedSocketLayer& sockets;
    NetworkAdapters& adapters;
    StopSignals& stopSignals;
    Reporter& reporter;  // the protocol core's messages, which the tool says in its own words
    Console& console;
    std::istream& in;
    std::ostream& out;                            // data
    std::ostream& err;                            // messages
    std::optional<std::string> passwordVariable;  // ZERIN_PASSWORD, when set

    // Kept as the command runs, for its JSON at the end (see EndJson).
    std::string lastSaid{};        // the last message that was not a warning
    std::optional<Json> answer{};  // the command's one JSON value, printed at its end
    bool printedJson = false;      // a JSON value went out already
};

class Command {
  public:
    virtual ~Command() = default;
    // Adds the command, its options and their checks to the tool.
    virtual CLI::App* Declare(CLI::App& tool) = 0;
    // Runs the command as declared; gives the exit status.
    virtual int Run(CommandContext& context) = 0;
};

// Writes "zerin-cli: MESSAGE" on the error stream; Warn for what does not stop the command.
void Say(CommandContext& context, const std::string& message);
void Warn(CommandContext& context, const std::string& message);

// Writes the value on one line of the output stream.
void PrintJson(CommandContext& context, const Json& value);

// Keeps the command's one JSON object, printed when the command ends.
void Answer(CommandContext& context, Json value);

// Under --json, once the command has ended with the status given: its answer, with "error" (the
// last message said) and "exitStatus" added when the status is not 0; or, when it printed no
// JSON, {"error", "exitStatus"} alone. So every outcome is one JSON value.
void EndJson(CommandContext& context, int status);

// The exit status for a command that ends at the status given: a network failure first said and
// taking its place.
int Finish(CommandContext& context, int status);

}  // namespace zerin::cli
