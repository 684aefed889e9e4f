// Reads the simulated devices from a text file.
#include "tools/devsim/config_file.h"

#include <algorithm>
#include <cstdint>
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

bool SetText(std::string& field, const std::string& value, size_t min, size_t max,
             std::string& error) {
    if (value.size() < min || value.size() > max) {
        return Fail(error, min == max ? "must be " + std::to_string(max) + " characters"
                                      : "must be " + std::to_string(min) + " to " +
                                            std::to_string(max) + " characters");
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
    return SetNumber(device.passwordFlag, value, 255, error);
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

const std::pair<const char*, Setter> kKeys[] = {
    {"name", SetTextKey<&DeviceState::name, 1, kNameWidth>},
    {"mac", SetMac},
    {"ip", SetAddressKey<&DeviceState::ip>},
    {"mask", SetAddressKey<&DeviceState::mask>},
    {"gateway", SetAddressKey<&DeviceState::gateway>},
    {"dns1", SetAddressKey<&DeviceState::dns1>},
    {"dns2", SetAddressKey<&DeviceState::dns2>},
    {"ip_status", SetIpStatus},
    {"product", SetTextKey<&DeviceState::productCode, kCodeWidth, kCodeWidth>},
    {"firmware", SetTextKey<&DeviceState::firmware, kCodeWidth, kCodeWidth>},
    {"description", SetTextKey<&DeviceState::description, 0, kDescriptionWidth>},
    {"date", SetDigitsKey<&DeviceState::date, kDateWidth>},
    {"time", SetDigitsKey<&DeviceState::time, kTimeWidth>},
    {"timezone", SetNumberKey<uint8_t, &DeviceState::timeZone, 255>},
    {"password_flag", SetPasswordFlag},
    {"admin_user", SetTextKey<&DeviceState::adminUser, 0, kAdminUserWidth>},
    {"admin_password", SetTextKey<&DeviceState::adminPassword, 0, kAdminPasswordWidth>},
    {"share", AddShare},
    {"usb", AddUsb},
    {"search_word", SetNumberKey<uint16_t, &DeviceState::searchWord, 0xffff>},
    {"fault", AddFault},
};

Setter FindSetter(const std::string& key) {
    for (const auto& [name, setter] : kKeys) {
        if (key == name) {
            return setter;
        }
    }
    return nullptr;
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

}  // namespace zerin::devsim
