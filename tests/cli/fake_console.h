// A console for tests: a terminal or not, and the line it would read.
#pragma once

#include <optional>
#include <string>

#include "platform/console.h"

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

}  // namespace zerin::testing
