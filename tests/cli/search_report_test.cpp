// What `zerin-cli search -v` says it did through each adapter and to the targets.
#include "cli/search_report.h"

#include <gtest/gtest.h>

#include "tests/cli/fake_command_context.h"

namespace zerin::cli {
namespace {

FoundDevice Found(const char* name, uint8_t last, const char* ip, const NetworkAdapter& adapter) {
    auto record = CreateDeviceRecord();
    std::copy_n(name, std::char_traits<char>::length(name), record->name);
    std::copy_n(ip, std::char_traits<char>::length(ip), record->ipAddress);
    record->macAddress = {0x02, 0x5a, 0, 0, 0, last};
    record->adapter = adapter;
    return {std::move(record)};
}

TEST(SearchReportTest, SaysWhereEachRequestWentWhatAnsweredAndWhereNothingDid) {
    const std::vector<NetworkAdapter> adapters{
        {"eth0", 0xc6336401, 24, 2}, {"wlan0", 0xcb007101, 24, 3}, {"tun0", 0xcb007181, 32, 4}};
    SearchResult result;
    result.devices.push_back(Found("NETSTOR-000050", 0x50, "198.51.100.50", adapters[0]));
    result.devices.push_back(Found("NETSTOR-000051", 0x51, "192.0.2.51", adapters[0]));
    const MacAddress first = result.devices[0].record->macAddress;
    const MacAddress second = result.devices[1].record->macAddress;
    result.devices.push_back(Found("ROUTED", 0x52, "203.0.113.2", {}));
    result.devices.back().record->adapter.reset();
    const MacAddress routed = result.devices[2].record->macAddress;
    result.report.opened = true;
    result.report.adapters = {{{0xffffffff, 0xc63364ff}, {first, second, first, second, first}},
                              {{0xffffffff, 0xcb0071ff}, {}},
                              {{}, {}}};
    result.report.targets = {7, {{0xcb007102, routed}, {0xcb007102, routed}}};
    result.report.receiveBufferBytes = 425984;

    FakeCommandContext fake;
    SayWhatTheSearchDid(fake.context, {adapters, {{0xcb007100, 0xcb007103}}}, result);
    EXPECT_EQ(fake.err.str(),
              "zerin-cli: eth0 (198.51.100.1): search request sent to 255.255.255.255 and "
              "198.51.100.255\n"
              "zerin-cli: eth0 heard NETSTOR-000050 02:5a:00:00:00:50 198.51.100.50 (3 answers)\n"
              "zerin-cli: eth0 heard NETSTOR-000051 02:5a:00:00:00:51 192.0.2.51 (2 answers)\n"
              "zerin-cli: wlan0 (203.0.113.1): search request sent to 255.255.255.255 and "
              "203.0.113.255\n"
              "zerin-cli: no answer through wlan0: is UDP port 1638 allowed in?\n"
              "zerin-cli: the search request could not be sent through tun0 (203.0.113.129)\n"
              "zerin-cli: targets: search request sent to 4 addresses, 7 datagrams in all\n"
              "zerin-cli: 203.0.113.2 answered: ROUTED 02:5a:00:00:00:52 203.0.113.2 (2 answers)\n"
              "zerin-cli: the system granted a receive buffer of 425984 bytes of the 4194304 "
              "asked for: in a burst, answers beyond it may be lost\n");
    EXPECT_EQ(fake.out.str(), "");
}

}  // namespace
}  // namespace zerin::cli
