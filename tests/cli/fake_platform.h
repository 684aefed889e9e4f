// The command-line tool's platform seams for tests: a console that is a terminal or not, with
// the line it would read; a fixed list of adapters; stop signals requested at will.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/network_adapters.h"
#include "platform/stop_signals.h"

namespace zerin::testing {

struct FakeConsole : Console {
    bool terminal = false;
    std::optional<std::string> typed;
    int reads = 0;

    bool InputIsTerminal() override { return terminal; }
    bool ErrorIsTerminal() override { return terminal; }
    std::optional<std::string> ReadHiddenLine() override {
        ++reads;
        return typed;
    }
};

struct FakeAdapters : NetworkAdapters {
    std::vector<NetworkAdapter> adapters{{"eth0", 0xc6336401, 24}};  // 198.51.100.1/24
    std::vector<NetworkAdapter> List() override { return adapters; }
};

struct FakeStopSignals : StopSignals {
    bool caught = false;
    bool requested = false;
    void Catch() override { caught = true; }
    bool Requested() override { return requested; }
};

}  // namespace zerin::testing
