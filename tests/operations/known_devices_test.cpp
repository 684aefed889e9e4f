// The known-devices file: every refusal naming its place, and a window noted over what is known.
#include "operations/search/known_devices.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

using std::chrono::seconds;
using std::chrono::system_clock;

// 2026-12-11T16:50:03Z, then as many seconds later as the test moves it on.
struct FixedClock {
    seconds later{0};
    system_clock::time_point operator()() const {
        return system_clock::time_point(seconds(1797007803) + later);
    }
};

ListedDevice Device(const std::string& mac, const std::string& name) {
    return {name, mac, "198.51.100.10", "0101", "zerin0", "198.51.100.1"};
}

TEST(KnownDevicesTest, EveryRefusalNamesItsPlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"{\"devices\": [\n  {]}", "not JSON: syntax error at line 2, column 4"},
        {R"([])", "the file: an object with a \"devices\" array"},
        {R"({"devices": [], "seen": 1})", "the file: unknown key \"seen\""},
        {R"({"devices": [3]})", "devices[0]: an entry is an object"},
        {R"({"devices": [{"mac": "02:5a:00:00:00:10", "name": "A", "firstSeen":
            "2026-12-11T16:50:03Z", "lastSeen": "2026-12-11T16:50:03Z", "ip": "x"}]})",
         "devices[0]: unknown key \"ip\""},
        {R"({"devices": [{"mac": "02:5a:00:00:00:10", "firstSeen": "2026-12-11T16:50:03Z",
            "lastSeen": "2026-12-11T16:50:03Z"}]})",
         "devices[0]: name takes text"},
        {R"({"devices": [{"mac": "02-5a-00-00-00-10", "name": "A", "firstSeen":
            "2026-12-11T16:50:03Z", "lastSeen": "2026-12-11T16:50:03Z"}]})",
         "devices[0]: mac takes six hex pairs separated by colons"},
        {R"({"devices": [{"mac": "02:5a:00:00:00:10", "name": "A", "firstSeen":
            "2026-02-29T16:50:03Z", "lastSeen": "2026-12-11T16:50:03Z"}]})",
         "devices[0]: firstSeen takes a UTC time such as 2026-12-11T16:50:03Z"},
        {R"({"devices": [{"mac": "02:5a:00:00:00:10", "name": "A", "firstSeen":
            "2026-12-11T16:50:03Z", "lastSeen": "2026-12-11 16:50:03"}]})",
         "devices[0]: lastSeen takes a UTC time such as 2026-12-11T16:50:03Z"},
        {R"({"devices": [{"mac": "02:5a:00:00:00:10", "name": "A", "firstSeen":
            "2026-12-11T16:50:03Z", "lastSeen": "2026-12-11T16:50:03Z"}, {"mac":
            "02:5A:00:00:00:10", "name": "B", "firstSeen": "2026-12-11T16:50:03Z", "lastSeen":
            "2026-12-11T16:50:03Z"}]})",
         "devices[1]: mac 02:5a:00:00:00:10 stands in devices[0] already"},
    };
    for (const auto& [text, expected] : cases) {
        KnownDevices known{FixedClock{}};
        std::string error;
        EXPECT_FALSE(known.Read(text, error)) << text;
        EXPECT_EQ(error, expected) << text;
    }
}

TEST(KnownDevicesTest, AWindowAddsTheNewAndUpdatesTheKnown) {
    FixedClock clock;
    KnownDevices first{clock};
    EXPECT_EQ(first.Note({Device("02:5a:00:00:00:10", "OLD-NAME")}), std::vector<bool>{true});
    clock.later = seconds(3600 * 24 * 30);  // 2027-01-10T16:50:03Z
    KnownDevices known{clock};
    std::string error;
    ASSERT_TRUE(known.Read(first.Text(), error)) << error;
    const ListedDevice renamed = Device("02:5a:00:00:00:10", "NETSTOR-000010");
    const ListedDevice added = Device("02:5a:00:00:00:11", "NETSTOR-000011");
    EXPECT_EQ(known.Note({added, renamed}), (std::vector<bool>{true, false}));
    ASSERT_EQ(known.Devices().size(), 2u);
    const KnownDevice& kept = known.Devices()[0];
    EXPECT_EQ(kept.name, "NETSTOR-000010");
    EXPECT_EQ(kept.firstSeen, "2026-12-11T16:50:03Z");
    EXPECT_EQ(kept.lastSeen, "2027-01-10T16:50:03Z");
    EXPECT_EQ(known.Devices()[1].firstSeen, "2027-01-10T16:50:03Z");
    EXPECT_EQ(UtcTime(system_clock::time_point(seconds(951868799))), "2000-02-29T23:59:59Z");
}

TEST(KnownDevicesTest, AWatchSaysNewRightAfterTheAppearance) {
    KnownDevices known{FixedClock{}};
    DeviceWatch watch;
    const std::vector<ListedDevice> window{Device("02:5a:00:00:00:10", "A"),
                                           Device("02:5a:00:00:00:11", "B")};
    known.Note({window[1]});
    std::string kinds;
    for (const WatchEvent& event : known.NoteWatch(window, watch.Update(window))) {
        kinds += std::string(WatchEventMark(event.kind)) + event.device.name + ' ';
    }
    EXPECT_EQ(kinds, "+A +!A +B ");
}

}  // namespace
}  // namespace zerin
