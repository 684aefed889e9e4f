// A shell seam for tests: opens nothing and keeps the arguments of every call.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace zerin::testing {

struct ShellCall {
    HWND owner;
    std::string verb, file;
    const char* parameters;
    const char* directory;
    int show;
};

struct RecordingShell : Shell {
    std::vector<ShellCall> calls;
    void Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                 const char* directory, int show) override {
        calls.push_back({owner, verb, file, parameters, directory, show});
    }
};

}  // namespace zerin::testing
