// A command's context over the scripted sockets and the fake platform, its streams kept for the
// test to read.
#pragma once

#include <sstream>

#include "cli/command.h"
#include "tests/cli/fake_platform.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin::cli {

struct FakeCommandContext {
    testing::ScriptedSocketLayer scripted;
    CheckedSocketLayer sockets{scripted};
    testing::FakeAdapters adapters;
    testing::FakeStopSignals stopSignals;
    testing::RecordingReporter reporter;
    testing::FakeConsole console;
    std::istringstream in;
    std::ostringstream out, err;
    CommandContext context{sockets, adapters, stopSignals, reporter,    console,
                           in,      out,      err,         std::nullopt};
};

}  // namespace zerin::cli
