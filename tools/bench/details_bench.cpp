// Times the detail queries of one device over real sockets, run after run, once waiting for the
// socket to become readable between polls and once with plain fixed sleeps, and prints both
// medians and their ratio. Run by scripts/bench inside a private network namespace.
#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "platform/posix_socket_layer.h"
#include "protocol/device_details.h"
#include "protocol/device_search.h"

namespace {

using namespace zerin;

// The same exchange, but every wait after an empty poll sleeps its whole interval.
struct FixedSleepSocketLayer : PosixSocketLayer {
    void WaitReadable(const std::vector<Handle>&, int milliseconds) override {
        Sleep(milliseconds);
    }
};

struct StderrReporter : Reporter {
    void Report(const std::string& message) override { std::cerr << message << '\n'; }
};

std::unique_ptr<DeviceRecord> FindDevice(const std::string& name, Reporter& reporter) {
    PosixSocketLayer sockets;
    std::unique_ptr<DeviceRecord> device;
    SearchDevices(sockets, reporter, [&](std::unique_ptr<DeviceRecord> record) {
        if (!device && record->name == name) {
            device = std::move(record);
        }
    });
    return device;
}

// Milliseconds of one run of the detail queries on a fresh copy of the record; -1 when the run
// did not get every share name.
double TimeOneRun(SocketLayer& sockets, Reporter& reporter, const DeviceRecord& found, int shares) {
    DeviceRecord record = found;
    const auto start = std::chrono::steady_clock::now();
    QueryDeviceDetails(sockets, reporter, record);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    const bool complete = record.shareList && static_cast<int>(record.shareList->size()) == shares;
    return complete ? elapsed.count() : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: details_bench DEVICE SHARES RUNS\n";
        return 2;
    }
    const std::string name = argv[1];
    const int shares = std::stoi(argv[2]);
    const int runs = std::stoi(argv[3]);
    StderrReporter reporter;
    const auto device = FindDevice(name, reporter);
    if (!device) {
        std::cerr << "details_bench: " << name << " did not answer the search\n";
        return 1;
    }
    PosixSocketLayer readiness;
    FixedSleepSocketLayer fixed;
    std::vector<double> readinessTimes, fixedTimes;
    for (int run = 0; run < runs; ++run) {
        readinessTimes.push_back(TimeOneRun(readiness, reporter, *device, shares));
        fixedTimes.push_back(TimeOneRun(fixed, reporter, *device, shares));
    }
    if (std::count(readinessTimes.begin(), readinessTimes.end(), -1) +
            std::count(fixedTimes.begin(), fixedTimes.end(), -1) !=
        0) {
        std::cerr << "details_bench: a run did not get all " << shares << " share names\n";
        return 1;
    }
    const double waiting = Median(readinessTimes);
    const double sleeping = Median(fixedTimes);
    std::cout << std::fixed << std::setprecision(2) << "detail queries of " << name << " ("
              << shares << " shares), " << runs << " runs each\n"
              << "  waiting for the socket: median " << waiting << " ms\n"
              << "  fixed sleeps:           median " << sleeping << " ms\n"
              << "  ratio (fixed / waiting): " << sleeping / waiting << "\n";
    return 0;
}
