// Reading the fleet file.
#include "operations/fleet/fleet_file.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "operations/credentials.h"
#include "operations/json_text.h"
#include "operations/network_rule.h"
#include "operations/search/search_targets.h"
#include "operations/time_zones.h"
#include "operations/value_parsers.h"
#include "protocol/description_rule.h"
#include "protocol/network_adapter.h"

namespace zerin {

namespace {

const std::vector<const char*> kSettingKeys = {"description", "timeZone", "clock", "askPassword",
                                               "network"};
// The keys of a network object's addresses.
std::vector<const char*> AddressKeys() {
    std::vector<const char*> keys;
    for (const AddressName& name : kAddressNames) {
        keys.push_back(name.key);
    }
    return keys;
}

const std::vector<const char*> kEntryKeys = {"mac", "name", "user", "passwordFile"};
constexpr size_t kMaxNameLength = 16;

// Each reader gives false after putting "WHERE: WHAT" into the error.
class Reader {
  public:
    explicit Reader(std::string& error) : error_(error) {}

    bool Fail(const std::string& where, const std::string& what) {
        error_ = where + ": " + what;
        return false;
    }

    bool KnownKeys(const Json& object, const std::string& where,
                   std::initializer_list<std::vector<const char*>> allowed) {
        for (const auto& item : object.items()) {
            const bool known = std::any_of(allowed.begin(), allowed.end(), [&](const auto& keys) {
                return std::find(keys.begin(), keys.end(), item.key()) != keys.end();
            });
            if (!known) {
                return Fail(where, "unknown key \"" + item.key() + "\"");
            }
        }
        return true;
    }

    bool Text(const Json& object, const char* key, const std::string& where,
              std::optional<std::string>& text) {
        if (!object.contains(key)) {
            return true;
        }
        if (!object[key].is_string()) {
            return Fail(where, std::string(key) + " takes text");
        }
        text = object[key].get<std::string>();
        return true;
    }

    bool Settings(const Json& object, const std::string& where, FleetSettings& settings) {
        return Description(object, where, settings) && TimeZone(object, where, settings) &&
               Clock(object, where, settings) && AskPassword(object, where, settings) &&
               Network(object, where, settings.network);
    }

    // An object with a "devices" array, and "defaults" at most beside it.
    bool TopLevel(const Json& json) {
        if (!json.is_object() || !json.contains("devices") || !json["devices"].is_array()) {
            return Fail("the file", "an object with a \"devices\" array");
        }
        return KnownKeys(json, "the file", {{"defaults", "devices", "targets"}});
    }

    bool Targets(const Json& json, std::vector<AddressRange>& targets) {
        if (!json.contains("targets")) {
            return true;
        }
        if (!json["targets"].is_array()) {
            return Fail("targets", "an array of addresses, blocks and ranges");
        }
        for (const Json& target : json["targets"]) {
            const std::string where = "targets[" + std::to_string(targets.size()) + "]";
            std::string error;
            const auto range =
                target.is_string() ? ParseTarget(target.get<std::string>(), error) : std::nullopt;
            if (!range) {
                return Fail(where, target.is_string() ? error : "a target takes text");
            }
            targets.push_back(*range);
        }
        return true;
    }

    bool Defaults(const Json& json, FleetSettings& defaults) {
        if (!json.contains("defaults")) {
            return true;
        }
        const Json& object = json["defaults"];
        if (!object.is_object()) {
            return Fail("defaults", "an object of settings");
        }
        return KnownKeys(object, "defaults", {kSettingKeys}) &&
               Settings(object, "defaults", defaults);
    }

    bool Entry(const Json& object, FleetEntry& entry) {
        if (!object.is_object()) {
            return Fail(entry.label, "an entry is an object");
        }
        if (!Identity(object, entry) ||
            !KnownKeys(object, entry.label, {kEntryKeys, kSettingKeys}) ||
            !Text(object, "user", entry.label, entry.user) ||
            !Text(object, "passwordFile", entry.label, entry.passwordFile)) {
            return false;
        }
        if (entry.user && entry.user->size() > kMaxUserLength) {
            return Fail(entry.label, "user takes at most 16 bytes");
        }
        return Settings(object, entry.label, entry.settings) && Reachable(entry);
    }

  private:
    // No address the entry gives for a static setup would lose its device.
    bool Reachable(const FleetEntry& entry) {
        const NetworkSettingsChange& network = entry.settings.network;
        if (network.mode == "dhcp") {
            return true;
        }
        const std::string losing = LosingAddress(network.addresses, [](size_t i) {
            return std::string("network.") + kAddressNames[i].key;
        });
        return losing.empty() || Fail(entry.label, losing + ": the device would be lost");
    }

    bool Identity(const Json& object, FleetEntry& entry) {
        if (!object.contains("mac") && !object.contains("name")) {
            return Fail(entry.label,
                        "an entry names its device by \"mac\", by \"name\" or by both");
        }
        if (!Text(object, "mac", entry.label, entry.mac) ||
            !Text(object, "name", entry.label, entry.name)) {
            return false;
        }
        if (entry.mac && !NormaliseMac(*entry.mac)) {
            return Fail(entry.label, "mac takes six hex pairs separated by colons");
        }
        if (entry.name && (entry.name->empty() || entry.name->size() > kMaxNameLength)) {
            return Fail(entry.label, "name takes 1 to 16 characters");
        }
        entry.label += " (" + entry.mac.value_or(entry.name.value_or("")) + ")";
        return true;
    }

    bool Description(const Json& object, const std::string& where, FleetSettings& settings) {
        if (!Text(object, "description", where, settings.description)) {
            return false;
        }
        const auto& text = settings.description;
        if (text && (text->size() > kDescriptionMaxLength || !IsValidDescription(*text))) {
            return Fail(where,
                        "description takes at most 63 characters, each a digit, a letter, "
                        "a space, '-' or '_'");
        }
        return true;
    }

    bool TimeZone(const Json& object, const std::string& where, FleetSettings& settings) {
        if (!object.contains("timeZone")) {
            return true;
        }
        const Json& value = object["timeZone"];
        if (value.is_null()) {
            settings.timeZone = -1;
            return true;
        }
        if (!value.is_number_integer() || value.get<long long>() < 0 ||
            value.get<long long>() >= kTimeZoneCount) {
            return Fail(where, "timeZone takes an index from 0 to 74, or null");
        }
        settings.timeZone = value.get<int>();
        return true;
    }

    bool Clock(const Json& object, const std::string& where, FleetSettings& settings) {
        if (!Text(object, "clock", where, settings.clock)) {
            return false;
        }
        const auto& clock = settings.clock;
        if (clock && *clock != "now" && !ParseClock(*clock)) {
            return Fail(where, "clock takes \"now\" or a real date and time YYYY-MM-DD HH:MM:SS");
        }
        return true;
    }

    bool AskPassword(const Json& object, const std::string& where, FleetSettings& settings) {
        if (!object.contains("askPassword")) {
            return true;
        }
        if (!object["askPassword"].is_boolean()) {
            return Fail(where, "askPassword takes true or false");
        }
        settings.askPassword = object["askPassword"].get<bool>();
        return true;
    }

    bool Network(const Json& object, const std::string& where, NetworkSettingsChange& network) {
        if (!object.contains("network")) {
            return true;
        }
        const Json& value = object["network"];
        const std::string inside = where + " network";
        if (!value.is_object()) {
            return Fail(where, "network takes an object");
        }
        if (!KnownKeys(value, inside, {{"mode"}, AddressKeys()}) ||
            !Text(value, "mode", inside, network.mode)) {
            return false;
        }
        if (network.mode && *network.mode != "static" && *network.mode != "dhcp") {
            return Fail(inside, "mode takes \"static\" or \"dhcp\"");
        }
        for (size_t i = 0; i < std::size(kAddressNames); ++i) {
            if (!Text(value, kAddressNames[i].key, inside, network.addresses[i])) {
                return false;
            }
            if (network.addresses[i] && !ParseIpv4(*network.addresses[i])) {
                return Fail(inside,
                            std::string(kAddressNames[i].key) + " takes a dotted IPv4 address");
            }
        }
        return true;
    }

    std::string& error_;
};

// What picks the entry's device: its MAC address when it gives one, else its name.
const std::optional<std::string>& PickedBy(const FleetEntry& entry) {
    return entry.mac ? entry.mac : entry.name;
}

// No two entries name the same device by the same MAC address or name.
bool Distinct(const std::vector<FleetEntry>& entries, Reader& reader) {
    for (size_t i = 0; i < entries.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (PickedBy(entries[i]) == PickedBy(entries[j])) {
                return reader.Fail(entries[i].label, "names the device of " + entries[j].label);
            }
        }
    }
    return true;
}

}  // namespace

std::optional<FleetFile> ReadFleetFile(const std::string& text, std::string& error) {
    const auto json = ParseJsonText(text, error);
    Reader reader(error);
    FleetSettings defaults;
    FleetFile file;
    if (!json || !reader.TopLevel(*json) || !reader.Defaults(*json, defaults) ||
        !reader.Targets(*json, file.targets)) {
        return std::nullopt;
    }
    std::vector<FleetEntry>& entries = file.entries;
    for (const Json& object : (*json)["devices"]) {
        FleetEntry entry{
            "devices[" + std::to_string(entries.size()) + "]", {}, {}, defaults, {}, {}};
        if (!reader.Entry(object, entry)) {
            return std::nullopt;
        }
        entries.push_back(std::move(entry));
    }
    return Distinct(entries, reader) ? std::optional(std::move(file)) : std::nullopt;
}

}  // namespace zerin
