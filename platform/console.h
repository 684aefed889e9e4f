// The console seam of the command-line tool: whether its standard input, output and error are a
// terminal, and a line read from the terminal without echo, for a password prompt.
#pragma once

#include <optional>
#include <string>

namespace zerin {

class Console {
  public:
    virtual ~Console() = default;
    virtual bool InputIsTerminal() = 0;
    virtual bool OutputIsTerminal() = 0;
    virtual bool ErrorIsTerminal() = 0;
    // One line typed at the terminal, not echoed; nothing at the end of the input.
    virtual std::optional<std::string> ReadHiddenLine() = 0;
};

// The real console of the platform this is built for.
class PlatformConsole : public Console {
  public:
    bool InputIsTerminal() override;
    bool OutputIsTerminal() override;
    bool ErrorIsTerminal() override;
    std::optional<std::string> ReadHiddenLine() override;
};

// Makes standard output and error write bytes as they are, without line-end translation, so that
// the tool's output is the same on every platform.
void UseBinaryStandardStreams();

}  // namespace zerin
