// The console seam over a Windows console.
#include "platform/console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

namespace zerin {

namespace {

bool IsConsole(DWORD handle) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(handle), &mode) != 0;
}

}  // namespace

bool PlatformConsole::InputIsTerminal() {
    return IsConsole(STD_INPUT_HANDLE);
}

bool PlatformConsole::OutputIsTerminal() {
    return IsConsole(STD_OUTPUT_HANDLE);
}

bool PlatformConsole::ErrorIsTerminal() {
    return IsConsole(STD_ERROR_HANDLE);
}

std::optional<std::string> PlatformConsole::ReadHiddenLine() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD saved = 0;
    const bool console = GetConsoleMode(input, &saved) != 0;
    if (console) {
        SetConsoleMode(input, saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (console) {
        SetConsoleMode(input, saved);
        std::cerr << '\n';
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return read ? std::optional<std::string>(line) : std::nullopt;
}

void UseBinaryStandardStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace zerin
