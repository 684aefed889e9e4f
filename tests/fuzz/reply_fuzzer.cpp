// Fuzzes every reply handler of the protocol client by running a whole exchange against
// datagrams from the fuzzer: the search, the detail queries, the verification and the two
// settings updates.
#include <cstddef>
#include <cstdint>

#include "protocol/administrator_verification.h"
#include "protocol/device_details.h"
#include "protocol/device_search.h"
#include "protocol/device_settings_update.h"
#include "protocol/network_settings_update.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace zerin;

struct SilentReporter : Reporter {
    void Report(const std::string&) override {}
};

void Run(fuzz::Target target, SocketLayer& sockets) {
    SilentReporter reporter;
    const MacAddress mac{0x02, 0x5a, 0, 0, 0, 0x10};
    switch (target) {
        case fuzz::Target::kSearch:
            SearchDevices(sockets, reporter, [](std::unique_ptr<DeviceRecord>) {});
            break;
        case fuzz::Target::kDetailQueries: {
            DeviceRecord record;
            record.macAddress = mac;
            QueryDeviceDetails(sockets, reporter, record);
            break;
        }
        case fuzz::Target::kVerification:
            VerifyAdministrator(sockets, reporter, mac, "admin", "secret");
            break;
        case fuzz::Target::kDeviceSettings:
            SetDeviceInfo(sockets, reporter, mac, "NETSTOR", {});
            break;
        default:
            SetNetworkInfo(sockets, reporter, mac, {});
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input = fuzz::ReadFuzzInput(data, size);
    fuzz::FuzzSocketLayer sockets(std::move(input.datagrams));
    Run(input.target, sockets);
    return 0;
}
