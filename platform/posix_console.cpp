// The console seam over a POSIX terminal.
#include "platform/console.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace zerin {

bool PlatformConsole::InputIsTerminal() {
    return isatty(STDIN_FILENO) == 1;
}

bool PlatformConsole::OutputIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

bool PlatformConsole::ErrorIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

std::optional<std::string> PlatformConsole::ReadHiddenLine() {
    termios saved{};
    const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios hidden = saved;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        hidden.c_lflag |= ECHONL;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    }
    return read ? std::optional<std::string>(line) : std::nullopt;
}

void UseBinaryStandardStreams() {}

}  // namespace zerin
