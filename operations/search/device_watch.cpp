// The events of a watch.
#include "operations/search/device_watch.h"

#include <algorithm>

namespace zerin {

namespace {

// A device unheard for this many windows in a row has disappeared.
constexpr int kWindowsToDisappear = 2;

bool SameAsListed(const ListedDevice& a, const ListedDevice& b) {
    return a.ip == b.ip && a.name == b.name && a.adapterName == b.adapterName &&
           a.adapterAddress == b.adapterAddress && a.via == b.via;
}

}  // namespace

const char* WatchEventName(WatchEventKind kind) {
    switch (kind) {
        case WatchEventKind::kAppeared:
            return "appeared";
        case WatchEventKind::kChanged:
            return "changed";
        case WatchEventKind::kNew:
            return "new";
        default:
            return "disappeared";
    }
}

const char* WatchEventMark(WatchEventKind kind) {
    switch (kind) {
        case WatchEventKind::kAppeared:
            return "+";
        case WatchEventKind::kChanged:
            return "~";
        case WatchEventKind::kNew:
            return "+!";
        default:
            return "-";
    }
}

Json WatchEventJson(const WatchEvent& event) {
    Json json = DeviceJson(event.device);
    json["event"] = WatchEventName(event.kind);
    return json;
}

std::vector<WatchEvent> DeviceWatch::Update(const std::vector<ListedDevice>& window) {
    std::vector<WatchEvent> events;
    for (Known& known : known_) {
        ++known.missedWindows;
    }
    for (const ListedDevice& device : window) {
        Note(device, events);
    }
    for (const Known& known : known_) {
        if (known.missedWindows == kWindowsToDisappear) {
            events.push_back({WatchEventKind::kDisappeared, known.device});
            gone_.push_back(known.device);
        }
    }
    known_.erase(
        std::remove_if(known_.begin(), known_.end(),
                       [](const Known& k) { return k.missedWindows >= kWindowsToDisappear; }),
        known_.end());
    return events;
}

std::vector<ListedDevice> DeviceWatch::Present() const {
    std::vector<ListedDevice> present;
    for (const Known& known : known_) {
        present.push_back(known.device);
    }
    return present;
}

void DeviceWatch::Note(const ListedDevice& device, std::vector<WatchEvent>& events) {
    const auto known = std::find_if(known_.begin(), known_.end(),
                                    [&](const Known& k) { return k.device.mac == device.mac; });
    if (known == known_.end()) {
        gone_.erase(
            std::remove_if(gone_.begin(), gone_.end(),
                           [&](const ListedDevice& gone) { return gone.mac == device.mac; }),
            gone_.end());
        known_.push_back({device, 0});
        events.push_back({WatchEventKind::kAppeared, device});
        return;
    }
    if (!SameAsListed(known->device, device)) {
        events.push_back({WatchEventKind::kChanged, device});
    }
    *known = {device, 0};
}

}  // namespace zerin
