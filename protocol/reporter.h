// Where the protocol core sends the messages meant for the user: the GUI shows them in its
// message box, the command-line tool prints them, tests capture them.
#pragma once

#include <string>

namespace zerin {

class Reporter {
  public:
    virtual ~Reporter() = default;
    virtual void Report(const std::string& message) = 0;
};

// The message text with its "%d" replaced by the number in decimal.
std::string FormatMessage(const char* format, int number);

}  // namespace zerin
