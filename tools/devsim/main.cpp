// The device simulator: answers the device protocol on UDP like a set of real devices, for tests
// and demonstrations. Usage errors and bad configuration files exit with status 2, socket and
// file failures with 1.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/config_file.h"
#include "tools/devsim/datagram_log.h"
#include "tools/devsim/default_devices.h"
#include "tools/devsim/options.h"
#include "tools/devsim/simulator.h"

using namespace zerin::devsim;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The configured or default devices, the burst devices, and the command line's faults on each.
std::optional<std::vector<DeviceState>> LoadDevices(const Options& options, std::string& error) {
    std::optional<std::vector<DeviceState>> devices = DefaultDevices();
    if (!options.configPath.empty()) {
        std::ifstream file(options.configPath);
        if (!file) {
            error = "cannot read " + options.configPath;
            return std::nullopt;
        }
        devices = ParseConfig(file, error);
        if (!devices) {
            error = options.configPath + ": " + error;
            return std::nullopt;
        }
    }
    for (DeviceState& device : BurstDevices(options.burst)) {
        devices->push_back(std::move(device));
    }
    for (DeviceState& device : *devices) {
        device.faults.insert(device.faults.end(), options.faults.begin(), options.faults.end());
    }
    return devices;
}

bool WriteReadyFile(const std::string& path) {
    std::ofstream file(path);
    file << getpid() << "\n";
    return static_cast<bool>(file.flush());
}

int Fail(int status, const std::string& message) {
    std::cerr << "devsim: " << message << "\n";
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    std::optional<Options> options = ParseOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::cerr << "devsim: " << error << "\n" << kUsage;
        return kExitUsage;
    }
    if (options->help) {
        std::cout << HelpText();
        return 0;
    }
    std::optional<std::vector<DeviceState>> devices = LoadDevices(*options, error);
    if (!devices) {
        return Fail(kExitUsage, error);
    }
    std::ofstream logFile;
    if (!options->logPath.empty()) {
        logFile.open(options->logPath, std::ios::app);
        if (!logFile) {
            return Fail(kExitFailure, "cannot write " + options->logPath);
        }
    }
    DatagramLog log(options->logPath.empty() ? std::cerr : logFile);
    Simulator simulator(std::move(*devices), log);
    if (!simulator.Bind(options->bindAddress, options->port, error)) {
        return Fail(kExitFailure, error);
    }
    if (!options->readyPath.empty() && !WriteReadyFile(options->readyPath)) {
        return Fail(kExitFailure, "cannot write " + options->readyPath);
    }
    return simulator.Run(error) ? 0 : Fail(kExitFailure, error);
}
