// The simulator's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/fault.h"

namespace zerin::devsim {

struct Options {
    std::string bindAddress = "0.0.0.0";
    uint16_t port = 1638;
    std::string configPath;  // empty: the default devices
    std::string logPath;     // empty: standard error
    std::string readyPath;   // empty: no ready file
    int burst = 0;
    std::vector<Fault> faults;  // added to every device
    bool help = false;
};

// The options of the arguments after the program name; on failure nothing, and error says why.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The options, as shown after a bad one.
extern const char kUsage[];

// The options, the configuration file's format and the built-in devices, for --help.
std::string HelpText();

}  // namespace zerin::devsim
