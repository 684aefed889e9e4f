// What changed between the windows of a watch: a device that appears, one whose IP
// address, name or adapter changed, and one missing from two windows in a row; and, for a watch
// that keeps a known-devices file, a device that file did not hold yet.
#pragma once

#include <vector>

#include "operations/search/listed_device.h"

namespace zerin {

enum class WatchEventKind { kAppeared, kChanged, kDisappeared, kNew };

struct WatchEvent {
    WatchEventKind kind;
    ListedDevice device;  // as last seen
};

// "appeared", "changed", "disappeared", "new", and the text lines' marks "+", "~", "-", "+!".
const char* WatchEventName(WatchEventKind kind);
const char* WatchEventMark(WatchEventKind kind);

// The device's JSON object with "event" at its end.
Json WatchEventJson(const WatchEvent& event);

class DeviceWatch {
  public:
    // The events of one more window: first the changes and appearances in the window's order,
    // then the disappearances in the order the devices appeared.
    std::vector<WatchEvent> Update(const std::vector<ListedDevice>& window);
    // The devices the watch counts as present, in the order they appeared, and those that have
    // disappeared and not come back, in the order they went.
    std::vector<ListedDevice> Present() const;
    const std::vector<ListedDevice>& Gone() const { return gone_; }

  private:
    struct Known {
        ListedDevice device;
        int missedWindows;
    };
    void Note(const ListedDevice& device, std::vector<WatchEvent>& events);

    std::vector<Known> known_;
    std::vector<ListedDevice> gone_;
};

}  // namespace zerin
