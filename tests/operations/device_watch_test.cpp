// A watch's events over windows of found devices, and the listing's CSV quoting.
#include "operations/search/device_watch.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

ListedDevice Device(const std::string& ip, const std::string& adapter = "eth0") {
    return {"NETSTOR-000010", "02:5a:00:00:00:10", ip, "0101", adapter, "198.51.100.1"};
}

std::string Events(const std::vector<WatchEvent>& events) {
    std::string text;
    for (const WatchEvent& event : events) {
        text += std::string(WatchEventMark(event.kind)) + ' ' + DeviceLine(event.device, ' ') + ';';
    }
    return text;
}

TEST(DeviceWatchTest, ADeviceAppearsChangesItsAddressAndFallsSilent) {
    const ListedDevice other{"NETSTOR-000011", "02:5a:00:00:00:11", "203.0.113.11", "0101",
                             "eth1",           "203.0.113.1"};
    struct Window {
        std::vector<ListedDevice> devices;
        std::string events;
        size_t present;  // then the rest of the devices seen are gone
    };
    const Window windows[] = {
        {{Device("198.51.100.10"), other},
         "+ NETSTOR-000010 02:5a:00:00:00:10 198.51.100.10 eth0;"
         "+ NETSTOR-000011 02:5a:00:00:00:11 203.0.113.11 eth1;",
         2},
        {{Device("198.51.100.10"), other}, "", 2},
        {{Device("198.51.100.99")}, "~ NETSTOR-000010 02:5a:00:00:00:10 198.51.100.99 eth0;", 2},
        {{Device("198.51.100.99", "eth1")},
         "~ NETSTOR-000010 02:5a:00:00:00:10 198.51.100.99 eth1;"
         "- NETSTOR-000011 02:5a:00:00:00:11 203.0.113.11 eth1;",
         1},
        {{}, "", 1},
        {{}, "- NETSTOR-000010 02:5a:00:00:00:10 198.51.100.99 eth1;", 0},
        {{}, "", 0},
        {{Device("198.51.100.10")}, "+ NETSTOR-000010 02:5a:00:00:00:10 198.51.100.10 eth0;", 1},
    };
    DeviceWatch watch;
    int number = 0;
    for (const Window& window : windows) {
        EXPECT_EQ(Events(watch.Update(window.devices)), window.events) << "window " << ++number;
        EXPECT_EQ(watch.Present().size(), window.present) << "window " << number;
        EXPECT_EQ(watch.Present().size() + watch.Gone().size(), 2u) << "window " << number;
    }
}

TEST(DeviceListingTest, CsvQuotesFieldsWithCommasQuotesAndLineEnds) {
    ListedDevice device = Device("198.51.100.10");
    device.name = "Shelf \"A\", 2";
    device.adapterName = "Wi-Fi";
    EXPECT_EQ(CsvHeader(), "name,mac,ip,productCode,adapter,via\r\n");
    EXPECT_EQ(CsvRecord(device),
              "\"Shelf \"\"A\"\", 2\",02:5a:00:00:00:10,198.51.100.10,0101,Wi-Fi,\r\n");
}

}  // namespace
}  // namespace zerin
