// The simulator's command line.
#include "tools/devsim/options.h"

#include "tools/devsim/config_file.h"
#include "tools/devsim/default_devices.h"
#include "tools/devsim/value_parser.h"

namespace zerin::devsim {

const char kUsage[] =
    "usage: devsim [options]\n"
    "  --config FILE    devices from FILE (default: three built-in devices)\n"
    "  --burst N        N more generated devices (1 to 9999)\n"
    "  --fault FAULT    fault KIND[:ARG][@COMMAND] for every device; repeatable\n"
    "  --bind ADDRESS   local IPv4 address to bind (default 0.0.0.0)\n"
    "  --port PORT      UDP port (default 1638)\n"
    "  --log FILE       append the datagram log to FILE (default: standard error)\n"
    "  --ready FILE     write the process id to FILE once the socket is bound\n"
    "  --help           this text, the configuration file's format and the built-in devices\n";

namespace {

// One option that takes a value: how to store it, and what it needs when the value is refused.
struct OptionRule {
    const char* name;
    bool (*set)(Options&, const std::string&);
    const char* needs;
};

bool SetPort(Options& options, const std::string& value) {
    std::optional<uint32_t> port = ParseUnsigned(value, 65535);
    options.port = static_cast<uint16_t>(port.value_or(0));
    return options.port != 0;
}

bool SetBurst(Options& options, const std::string& value) {
    options.burst = static_cast<int>(ParseUnsigned(value, kMaxBurst).value_or(0));
    return options.burst != 0;
}

bool AddFault(Options& options, const std::string& value) {
    std::string error;
    std::optional<Fault> fault = ParseFault(value, error);
    if (fault) {
        options.faults.push_back(*fault);
    }
    return fault.has_value();
}

const OptionRule kRules[] = {
    {"--config",
     [](Options& o, const std::string& v) {
         o.configPath = v;
         return !v.empty();
     },
     "a file name"},
    {"--log",
     [](Options& o, const std::string& v) {
         o.logPath = v;
         return !v.empty();
     },
     "a file name"},
    {"--ready",
     [](Options& o, const std::string& v) {
         o.readyPath = v;
         return !v.empty();
     },
     "a file name"},
    {"--bind",
     [](Options& o, const std::string& v) {
         o.bindAddress = v;
         return IsDottedQuad(v);
     },
     "an IPv4 address"},
    {"--port", SetPort, "a number from 1 to 65535"},
    {"--burst", SetBurst, "a number from 1 to 9999"},
    {"--fault", AddFault, "KIND[:ARG][@COMMAND]"},
};

// One built-in device: name, MAC, address, IP status, and the administrator's name and password
// that it verifies.
std::string DeviceHelp(const DeviceState& device) {
    return "  " + device.name + "  " + FormatMac(device.mac) + "  " + device.ip + "  " +
           (device.ipStatus == kIpDhcp ? "dhcp    " : "static  ") +
           (device.passwordFlag ? "guarded: " : "") + "user " + device.adminUser + ", " +
           (device.adminPassword.empty() ? "empty password" : "password " + device.adminPassword) +
           "\n";
}

const OptionRule* FindRule(const std::string& name) {
    for (const OptionRule& rule : kRules) {
        if (name == rule.name) {
            return &rule;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            options.help = true;
            continue;
        }
        const OptionRule* rule = FindRule(args[i]);
        if (!rule) {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
        if (i + 1 == args.size() || !rule->set(options, args[i + 1])) {
            error = args[i] + " needs " + rule->needs;
            return std::nullopt;
        }
        ++i;
    }
    return options;
}

std::string HelpText() {
    std::string text =
        std::string(kUsage) + "\n" + ConfigFileHelp() +
        "\nbuilt-in devices (without --config); a guarded one makes the client ask for its\n"
        "administrator's name and password before a change:\n";
    for (const DeviceState& device : DefaultDevices()) {
        text += DeviceHelp(device);
    }
    return text;
}

}  // namespace zerin::devsim
