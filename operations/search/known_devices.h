// The devices that searches have ever found, kept in a file from run to run so that a device new
// since the last run stands out:
//
//     {"devices": [{"mac": "02:5a:00:00:00:10", "name": "NETSTOR-000010",
//                   "firstSeen": "2026-12-11T16:50:03Z", "lastSeen": "2026-12-11T17:05:41Z"}]}
//
// MAC addresses lower case as search prints them, names as last seen, times in ISO 8601 UTC. Read
// strictly, as the fleet file is: an unknown key or a bad value is an error that names its entry.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "operations/search/device_watch.h"
#include "operations/search/listed_device.h"

namespace zerin {

struct KnownDevice {
    std::string mac;
    std::string name;
    std::string firstSeen;
    std::string lastSeen;
};

// The time as "YYYY-MM-DDTHH:MM:SSZ".
std::string UtcTime(std::chrono::system_clock::time_point time);

class KnownDevices {
  public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // Knows no device yet; the clock gives the times a window is noted at.
    explicit KnownDevices(Clock clock = std::chrono::system_clock::now);

    // The file's text read in place of what is known; false, with "WHERE: WHAT" in error, for a
    // text that is not as above, and what is known stays as it was.
    bool Read(const std::string& text, std::string& error);

    // Notes a window's devices at the clock's time: each one not known yet is added as first
    // seen now, each known one takes its name and is last seen now. Whether each was new, in the
    // window's order.
    std::vector<bool> Note(const std::vector<ListedDevice>& window);

    // Notes a watch's window as Note does and gives the window's events with a "new" event right
    // after the appearance of each device that was new.
    std::vector<WatchEvent> NoteWatch(const std::vector<ListedDevice>& window,
                                      const std::vector<WatchEvent>& events);

    // The file's text, the devices in the order they were first seen.
    std::string Text() const;
    const std::vector<KnownDevice>& Devices() const { return devices_; }

  private:
    Clock clock_;
    std::vector<KnownDevice> devices_;
};

}  // namespace zerin
