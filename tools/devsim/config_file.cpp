// Reads the simulated devices from a text file.
#include "tools/devsim/config_file.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>

#include "tools/devsim/value_parser.h"

namespace zerin::devsim {

namespace {

// Each setter checks one value and stores it; on failure it sets error and returns false.
using Setter = bool (*)(DeviceState&, const std::string&, std::string&);

bool Fail(std::string& error, const std::string& message) {
    error = message;
    return false;
}

// The lengths a text may have, in words: "4 characters", "up to 64 characters", "1 to 16 ...".
std::string Characters(size_t min, size_t max) {
    const std::string most = std::to_string(max) + " characters";
    if (min == max) {
        return most;
    }
    return (min == 0 ? "up to " : std::to_string(min) + " to ") + most;
}

bool SetText(std::string& field, const std::string& value, size_t min, size_t max,
             std::string& error) {
    if (value.size() < min || value.size() > max) {
        return Fail(error, "must be " + Characters(min, max));
    }
    field = value;
    return true;
}

bool SetAddress(std::string& field, const std::string& value, std::string& error) {
    if (!IsDottedQuad(value)) {
        return Fail(error, "'" + value + "' is not a dotted IPv4 address");
    }
    field = value;
    return true;
}

bool SetDigits(std::string& field, const std::string& value, size_t count, std::string& error) {
    if (!IsDigits(value, count)) {
        return Fail(error, "must be " + std::to_string(count) + " digits");
    }
    field = value;
    return true;
}

template <typename Number>
bool SetNumber(Number& field, const std::string& value, uint32_t max, std::string& error) {
    std::optional<uint32_t> number = ParseUnsigned(value, max);
    if (!number) {
        return Fail(error, "must be a number from 0 to " + std::to_string(max));
    }
    field = static_cast<Number>(*number);
    return true;
}

bool SetMac(DeviceState& device, const std::string& value, std::string& error) {
    std::optional<MacAddress> mac = ParseMac(value);
    if (!mac) {
        return Fail(error, "'" + value + "' is not a MAC address like 02:5a:00:00:00:10");
    }
    device.mac = *mac;
    return true;
}

bool SetIpStatus(DeviceState& device, const std::string& value, std::string& error) {
    if (value != "static" && value != "dhcp") {
        return Fail(error, "must be static or dhcp");
    }
    device.ipStatus = value == "dhcp" ? kIpDhcp : kIpStatic;
    return true;
}

bool SetPasswordFlag(DeviceState& device, const std::string& value, std::string& error) {
    if (value == "yes" || value == "no") {
        device.passwordFlag = value == "yes" ? 1 : 0;
        return true;
    }
    return SetNumber(device.passwordFlag, value, UINT8_MAX, error);
}

bool AddShare(DeviceState& device, const std::string& value, std::string& error) {
    if (device.shares.size() == kMaxShares) {
        return Fail(error, "more than " + std::to_string(kMaxShares) + " shares");
    }
    return SetText(device.shares.emplace_back(), value, 1, kShareNameMax, error);
}

bool SetFreePercent(int16_t& field, const std::string& value, std::string& error) {
    bool negative = !value.empty() && value[0] == '-';
    std::optional<uint32_t> number =
        ParseUnsigned(negative ? value.substr(1) : value, negative ? 32768 : 32767);
    if (!number) {
        return Fail(error, "free percent must be a number from -32768 to 32767");
    }
    field = static_cast<int16_t>(negative ? -static_cast<int32_t>(*number) : *number);
    return true;
}

bool AddUsb(DeviceState& device, const std::string& value, std::string& error) {
    std::vector<std::string> items = SplitList(value);
    if (items.size() != 5) {
        return Fail(error, "usb needs share, device id, file system, total MB, free percent");
    }
    if (device.usb.size() == kMaxUsbEntries) {
        return Fail(error, "more than " + std::to_string(kMaxUsbEntries) + " usb entries");
    }
    UsbEntry& entry = device.usb.emplace_back();
    return SetText(entry.shareName, items[0], 1, kShareNameMax, error) &&
           SetText(entry.deviceId, items[1], 0, kDeviceIdWidth, error) &&
           SetText(entry.fileSystem, items[2], 0, kFileSystemMax, error) &&
           SetNumber(entry.totalMegabytes, items[3], UINT32_MAX, error) &&
           SetFreePercent(entry.freePercent, items[4], error);
}

bool AddFault(DeviceState& device, const std::string& value, std::string& error) {
    std::optional<Fault> fault = ParseFault(value, error);
    if (fault) {
        device.faults.push_back(*fault);
    }
    return fault.has_value();
}

// Setters for the keys that only check a width, an address form, digits or a range.
template <std::string DeviceState::*field, size_t min, size_t max>
bool SetTextKey(DeviceState& device, const std::string& value, std::string& error) {
    return SetText(device.*field, value, min, max, error);
}

template <std::string DeviceState::*field>
bool SetAddressKey(DeviceState& device, const std::string& value, std::string& error) {
    return SetAddress(device.*field, value, error);
}

template <std::string DeviceState::*field, size_t count>
bool SetDigitsKey(DeviceState& device, const std::string& value, std::string& error) {
    return SetDigits(device.*field, value, count, error);
}

template <typename Number, Number DeviceState::*field, uint32_t max>
bool SetNumberKey(DeviceState& device, const std::string& value, std::string& error) {
    return SetNumber(device.*field, value, max, error);
}

// A device with nothing set: the defaults that --help shows.
const DeviceState kUnset;

// How --help names a default and a range of numbers.
std::string Default(const std::string& value) {
    return "default " + (value.empty() ? std::string("empty") : value);
}

std::string Default(uint32_t value) {
    return "default " + std::to_string(value);
}

std::string UpTo(int64_t max) {
    return "0 to " + std::to_string(max);
}

const char kAddressRule[] = "a dotted IPv4 address; ";

// One key of the file: how its value is checked and stored, and how --help shows it: an example
// value, and what values it takes with its default.
struct Key {
    const char* name;
    Setter set;
    const char* example;
    std::string rule;
};

const Key kKeys[] = {
    {"name", SetTextKey<&DeviceState::name, 1, kNameWidth>, "NETSTOR-000010",
     "required; " + Characters(1, kNameWidth)},
    {"mac", SetMac, "02:5a:00:00:00:10", "required; six hex pairs separated by ':' or '-'"},
    {"ip", SetAddressKey<&DeviceState::ip>, "198.51.100.10", "required; a dotted IPv4 address"},
    {"mask", SetAddressKey<&DeviceState::mask>, "255.255.255.0",
     kAddressRule + Default(kUnset.mask)},
    {"gateway", SetAddressKey<&DeviceState::gateway>, "198.51.100.1",
     kAddressRule + Default(kUnset.gateway)},
    {"dns1", SetAddressKey<&DeviceState::dns1>, "198.51.100.1",
     kAddressRule + Default(kUnset.dns1)},
    {"dns2", SetAddressKey<&DeviceState::dns2>, "0.0.0.0", kAddressRule + Default(kUnset.dns2)},
    {"ip_status", SetIpStatus, "static",
     "static or dhcp; " + Default(kUnset.ipStatus == kIpDhcp ? "dhcp" : "static")},
    {"product", SetTextKey<&DeviceState::productCode, kCodeWidth, kCodeWidth>, "0101",
     Characters(kCodeWidth, kCodeWidth) + "; " + Default(kUnset.productCode) +
         ", the only code the client accepts"},
    {"firmware", SetTextKey<&DeviceState::firmware, kCodeWidth, kCodeWidth>, "0107",
     Characters(kCodeWidth, kCodeWidth) + ", 0107 shown as V01R07; " + Default(kUnset.firmware)},
    {"description", SetTextKey<&DeviceState::description, 0, kDescriptionWidth>, "Office storage",
     Characters(0, kDescriptionWidth) + "; " + Default(kUnset.description)},
    {"date", SetDigitsKey<&DeviceState::date, kDateWidth>, "20240115",
     "YYYYMMDD; " + Default(kUnset.date)},
    {"time", SetDigitsKey<&DeviceState::time, kTimeWidth>, "093005",
     "HHMMSS; " + Default(kUnset.time)},
    {"timezone", SetNumberKey<uint8_t, &DeviceState::timeZone, UINT8_MAX>, "56",
     "time-zone index, " + UpTo(UINT8_MAX) + "; " + Default(kUnset.timeZone)},
    {"password_flag", SetPasswordFlag, "yes",
     "yes (guarded: a change needs the administrator's password), no or a number " +
         UpTo(UINT8_MAX) + "; " + Default(kUnset.passwordFlag ? "yes" : "no")},
    {"admin_user", SetTextKey<&DeviceState::adminUser, 0, kAdminUserWidth>, "admin",
     Characters(0, kAdminUserWidth) + "; " + Default(kUnset.adminUser)},
    {"admin_password", SetTextKey<&DeviceState::adminPassword, 0, kAdminPasswordWidth>, "secret",
     Characters(0, kAdminPasswordWidth) + "; " + Default(kUnset.adminPassword)},
    {"share", AddShare, "Public",
     Characters(1, kShareNameMax) + "; repeatable, at most " + std::to_string(kMaxShares) +
         " shares"},
    {"usb", AddUsb, "Public, USB1_DISK1, FAT32, 15258, 63",
     "share name (" + Characters(1, kShareNameMax) + "), device id (" +
         Characters(0, kDeviceIdWidth) + "), file system (" + Characters(0, kFileSystemMax) +
         "), total size in MB (" + UpTo(UINT32_MAX) + ") and free space in percent (" +
         std::to_string(INT16_MIN) + " to " + std::to_string(INT16_MAX) +
         "); repeatable, at most " + std::to_string(kMaxUsbEntries) + " entries"},
    {"search_word", SetNumberKey<uint16_t, &DeviceState::searchWord, UINT16_MAX>, "0x0001",
     UpTo(UINT16_MAX) + ", decimal or 0x hex; " + Default(kUnset.searchWord)},
    {"fault", AddFault, "delay:500@get_share_list",
     "KIND[:ARG][@COMMAND] as for --fault; repeatable"},
};

Setter FindSetter(const std::string& key) {
    for (const Key& entry : kKeys) {
        if (key == entry.name) {
            return entry.set;
        }
    }
    return nullptr;
}

// Where a key's rule starts in its help line, and how long the lines may grow.
constexpr size_t kRuleColumn = 36;
constexpr size_t kLineWidth = 96;

// "key = example", then the rule from kRuleColumn on, wrapped at kLineWidth; the rule starts on a
// line of its own when the example reaches that column.
std::string KeyHelp(const Key& key) {
    std::string text = std::string("  ") + key.name + " = " + key.example;
    size_t column = text.size();
    bool first = true;
    std::istringstream words(key.rule);
    for (std::string word; words >> word; first = false) {
        if (first ? column >= kRuleColumn : column + 1 + word.size() > kLineWidth) {
            text += "\n";
            column = 0;
        }
        const size_t pad = column < kRuleColumn ? kRuleColumn - column : 1;
        text.append(pad, ' ');
        text += word;
        column += pad + word.size();
    }
    return text + "\n";
}

// Reads the file line by line, one device at a time. Errors name the line, or for a device
// missing a key, the line of its [device].
class ConfigParser {
  public:
    bool ReadLine(const std::string& line, std::string& error) {
        ++line_;
        std::string text = Trim(line);
        if (text.empty() || text[0] == '#') {
            return true;
        }
        return text[0] == '[' ? StartSection(text, error) : SetKey(text, error);
    }

    bool Finish(std::string& error) { return FinishDevice(error); }

    std::vector<DeviceState> TakeDevices() { return std::move(devices_); }

  private:
    bool LineError(std::string& error, const std::string& message) const {
        return Fail(error, "line " + std::to_string(line_) + ": " + message);
    }

    bool StartSection(const std::string& text, std::string& error) {
        if (text != "[device]") {
            return LineError(error, "unknown section " + text + ", expected [device]");
        }
        if (!FinishDevice(error)) {
            return false;
        }
        current_ = DeviceState{};
        sectionLine_ = line_;
        seenKeys_.clear();
        return true;
    }

    bool SetKey(const std::string& text, std::string& error) {
        size_t equals = text.find('=');
        if (equals == std::string::npos) {
            return LineError(error, "expected key = value");
        }
        std::string key = Trim(text.substr(0, equals));
        Setter setter = FindSetter(key);
        if (!setter) {
            return LineError(error, "unknown key '" + key + "'");
        }
        if (sectionLine_ == 0) {
            return LineError(error, "'" + key + "' before the first [device]");
        }
        seenKeys_.push_back(key);
        if (!setter(current_, Trim(text.substr(equals + 1)), error)) {
            return LineError(error, key + ": " + error);
        }
        return true;
    }

    bool FinishDevice(std::string& error) {
        if (sectionLine_ == 0) {
            return true;
        }
        std::string where = "device at line " + std::to_string(sectionLine_);
        for (const char* required : {"name", "mac", "ip"}) {
            if (std::find(seenKeys_.begin(), seenKeys_.end(), required) == seenKeys_.end()) {
                return Fail(error, where + " has no " + required);
            }
        }
        for (const DeviceState& other : devices_) {
            if (other.mac == current_.mac) {
                return Fail(error, where + " repeats mac " + FormatMac(current_.mac));
            }
        }
        devices_.push_back(current_);
        sectionLine_ = 0;
        return true;
    }

    int line_ = 0;
    int sectionLine_ = 0;  // line of the current [device], 0 outside one
    DeviceState current_;
    std::vector<std::string> seenKeys_;
    std::vector<DeviceState> devices_;
};

}  // namespace

std::optional<std::vector<DeviceState>> ParseConfig(std::istream& in, std::string& error) {
    ConfigParser parser;
    std::string line;
    while (std::getline(in, line)) {
        if (!parser.ReadLine(line, error)) {
            return std::nullopt;
        }
    }
    if (!parser.Finish(error)) {
        return std::nullopt;
    }
    return parser.TakeDevices();
}

std::string ConfigFileHelp() {
    std::string text =
        "configuration file (--config FILE): a [device] line starts each device, then key = value\n"
        "lines; blank lines and lines starting with # are ignored. The keys, with examples:\n";
    for (const Key& key : kKeys) {
        text += KeyHelp(key);
    }
    return text +
           "MACs must differ between devices. A file without devices is valid: only --burst\n"
           "devices answer.\n";
}

}  // namespace zerin::devsim
