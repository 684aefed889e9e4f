// The command-line tool's platform seams for tests: a console that is a terminal or not, with
// the line it would read; stop signals requested at will; and the fixed adapters.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/stop_signals.h"
#include "tests/support/fake_adapters.h"

namespace zerin::testing {

struct FakeConsole : Console {
    bool terminal = false;  // input and error
    bool outputTerminal = false;
    std::optional<std::string> typed;
    int reads = 0;

    bool InputIsTerminal() override { return terminal; }
    bool OutputIsTerminal() override { return outputTerminal; }
    bool ErrorIsTerminal() override { return terminal; }
    std::optional<std::string> ReadHiddenLine() override {
        ++reads;
        return typed;
    }
};

struct FakeStopSignals : StopSignals {
    bool caught = false;
    int received = 0;
    void Catch() override { caught = true; }
    int Received() override { return received; }
};

}  // namespace zerin::testing
