// Reading, noting and writing the known devices.
#include "operations/search/known_devices.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "operations/json_text.h"
#include "operations/value_parsers.h"

namespace zerin {

namespace {

const char* const kEntryKeys[] = {"mac", "name", "firstSeen", "lastSeen"};
constexpr long long kSecondsADay = 86400;

bool Fail(std::string& error, const std::string& where, const std::string& what) {
    error = where + ": " + what;
    return false;
}

// "YYYY-MM-DDTHH:MM:SSZ", a real date and time.
bool IsUtcTime(const std::string& text) {
    if (text.size() != 20 || text[10] != 'T' || text[19] != 'Z') {
        return false;
    }
    std::string clock = text.substr(0, 19);
    clock[10] = ' ';
    return ParseClock(clock).has_value();
}

// The calendar date of a day counted from 1970-01-01, in the proleptic Gregorian calendar.
Date CivilDate(long long days) {
    days += 719468;  // from 0000-03-01, so that a leap day ends its year
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

bool ReadEntry(const Json& object, const std::string& where, KnownDevice& device,
               std::string& error) {
    if (!object.is_object()) {
        return Fail(error, where, "an entry is an object");
    }
    for (const auto& item : object.items()) {
        if (std::find(std::begin(kEntryKeys), std::end(kEntryKeys), item.key()) ==
            std::end(kEntryKeys)) {
            return Fail(error, where, "unknown key \"" + item.key() + "\"");
        }
    }
    std::string* const fields[] = {&device.mac, &device.name, &device.firstSeen, &device.lastSeen};
    for (size_t i = 0; i < std::size(kEntryKeys); ++i) {
        if (!object.contains(kEntryKeys[i]) || !object[kEntryKeys[i]].is_string()) {
            return Fail(error, where, std::string(kEntryKeys[i]) + " takes text");
        }
        *fields[i] = object[kEntryKeys[i]].get<std::string>();
    }
    if (!NormaliseMac(device.mac)) {
        return Fail(error, where, "mac takes six hex pairs separated by colons");
    }
    for (const auto& [key, time] :
         {std::pair{"firstSeen", &device.firstSeen}, std::pair{"lastSeen", &device.lastSeen}}) {
        if (!IsUtcTime(*time)) {
            return Fail(error, where,
                        std::string(key) + " takes a UTC time such as 2026-12-11T16:50:03Z");
        }
    }
    return true;
}

}  // namespace

std::string UtcTime(std::chrono::system_clock::time_point time) {
    const long long seconds =
        std::chrono::floor<std::chrono::seconds>(time.time_since_epoch()).count();
    const long long days = (seconds >= 0 ? seconds : seconds - kSecondsADay + 1) / kSecondsADay;
    const int second = static_cast<int>(seconds - days * kSecondsADay);
    std::string text =
        FormatClock({CivilDate(days), {second / 3600, second / 60 % 60, second % 60}});
    text[10] = 'T';
    return text + 'Z';
}

KnownDevices::KnownDevices(Clock clock) : clock_(std::move(clock)) {}

bool KnownDevices::Read(const std::string& text, std::string& error) {
    const auto json = ParseJsonText(text, error);
    if (!json) {
        return false;
    }
    if (!json->is_object() || !json->contains("devices") || !(*json)["devices"].is_array()) {
        return Fail(error, "the file", "an object with a \"devices\" array");
    }
    for (const auto& item : json->items()) {
        if (item.key() != "devices") {
            return Fail(error, "the file", "unknown key \"" + item.key() + "\"");
        }
    }
    std::vector<KnownDevice> devices;
    for (const Json& object : (*json)["devices"]) {
        const std::string where = "devices[" + std::to_string(devices.size()) + "]";
        KnownDevice device;
        if (!ReadEntry(object, where, device, error)) {
            return false;
        }
        const auto same = std::find_if(devices.begin(), devices.end(),
                                       [&](const KnownDevice& d) { return d.mac == device.mac; });
        if (same != devices.end()) {
            return Fail(error, where,
                        "mac " + device.mac + " stands in devices[" +
                            std::to_string(same - devices.begin()) + "] already");
        }
        devices.push_back(std::move(device));
    }
    devices_ = std::move(devices);
    return true;
}

std::vector<bool> KnownDevices::Note(const std::vector<ListedDevice>& window) {
    const std::string now = UtcTime(clock_());
    std::vector<bool> isNew;
    for (const ListedDevice& device : window) {
        const auto known = std::find_if(devices_.begin(), devices_.end(),
                                        [&](const KnownDevice& k) { return k.mac == device.mac; });
        isNew.push_back(known == devices_.end());
        if (known == devices_.end()) {
            devices_.push_back({device.mac, device.name, now, now});
        } else {
            known->name = device.name;
            known->lastSeen = now;
        }
    }
    return isNew;
}

std::vector<WatchEvent> KnownDevices::NoteWatch(const std::vector<ListedDevice>& window,
                                                const std::vector<WatchEvent>& events) {
    const std::vector<bool> isNew = Note(window);
    std::vector<WatchEvent> noted;
    for (const WatchEvent& event : events) {
        noted.push_back(event);
        const auto device = std::find_if(window.begin(), window.end(), [&](const ListedDevice& d) {
            return d.mac == event.device.mac;
        });
        if (event.kind == WatchEventKind::kAppeared && device != window.end() &&
            isNew[device - window.begin()]) {
            noted.push_back({WatchEventKind::kNew, event.device});
        }
    }
    return noted;
}

std::string KnownDevices::Text() const {
    Json devices = Json::array();
    for (const KnownDevice& device : devices_) {
        devices.push_back({{"mac", device.mac},
                           {"name", device.name},
                           {"firstSeen", device.firstSeen},
                           {"lastSeen", device.lastSeen}});
    }
    Json file = Json::object();
    file["devices"] = std::move(devices);
    return FileJsonText(file);
}

}  // namespace zerin
