// Applying one entry.
#include "cli/fleet/fleet_apply.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <mutex>

#include "cli/checked_socket_layer.h"
#include "cli/detail_replies.h"
#include "cli/exit_status.h"
#include "protocol/administrator_verification.h"
#include "protocol/device_details.h"
#include "protocol/device_settings_update.h"
#include "protocol/device_texts.h"
#include "protocol/network_settings_update.h"

namespace zerin::cli {

namespace {

// The protocol's messages of one entry, for its error.
struct CollectingReporter : Reporter {
    std::string messages;
    void Report(const std::string& message) override {
        std::string line = message;
        while (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        messages += (messages.empty() ? "" : "; ") + line;
    }
};

std::tm LocalTimeNow() {
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    const std::time_t now = std::time(nullptr);
    return *std::localtime(&now);
}

class EntryRun {
  public:
    EntryRun(const FleetEntry& entry, const FoundDevice& device, const EntryPassword& password,
             const ApplyRun& run, SocketLayer& platform)
        : entry_(entry),
          password_(password),
          run_(run),
          sockets_(platform),
          record_(*device.record),
          options_{run.timeoutMs, true, Route{device.adapter, std::nullopt}} {
        result_.mac = FormatMacAddress(record_.macAddress);
        result_.name = record_.name;
    }

    EntryResult Run() {
        if (Query()) {
            Apply();
        }
        if (const auto& failure = sockets_.Failure()) {
            result_.networkFailed = true;
            Add("the network failed: " + *failure);
        }
        Add(reporter_.messages);
        return result_;
    }

  private:
    bool NeedsNetwork() const {
        const NetworkSettingsChange& network = entry_.settings.network;
        return network.mode ||
               std::any_of(std::begin(network.addresses), std::end(network.addresses),
                           [](const auto& a) { return a.has_value(); });
    }

    // The detail queries; false, with the status said, when a reply the plan needs is missing.
    bool Query() {
        const DeviceDetails details = QueryDeviceDetails(sockets_, reporter_, record_, options_);
        const auto missing =
            MissingReply(details, NeedsNetwork() ? CMD_GET_NETWORK_INFO : CMD_GET_DEVICE_INFO);
        if (!details.opened || missing) {
            End(EntryStatus::kNoAnswer,
                missing ? "no answer to the " + DetailRequestName(*missing) + " request" : "");
            return false;
        }
        return true;
    }

    void Apply() {
        const FleetPlan plan = PlanChanges(entry_.settings, record_);
        result_.changes = plan.changes;
        if (!plan.error.empty()) {
            return End(EntryStatus::kRefused, plan.error);
        }
        if (plan.changes.empty() || run_.dryRun) {
            return End(plan.changes.empty() ? EntryStatus::kUnchanged : EntryStatus::kWouldChange,
                       "");
        }
        if (Stopped()) {
            return End(EntryStatus::kNotStarted, "stopped before its writes");
        }
        if (PassGuard() && Write(plan)) {
            ReadBack();
        }
    }

    bool Stopped() const { return run_.stopRequested && run_.stopRequested(); }

    bool PassGuard() {
        if (record_.passwordFlag == 0) {
            return true;
        }
        const auto user = entry_.user ? entry_.user : run_.user;
        const auto password = password_ ? password_ : run_.password;
        if (!user || !password) {
            End(EntryStatus::kRefused,
                "the device asks for its administrator's name and password: give "
                "--user and a password, or the entry's user and passwordFile");
            return false;
        }
        const VerificationResult verification = VerifyAdministrator(
            sockets_, reporter_, record_.macAddress, *user, *password, options_);
        const ExitStatus status = StatusOfVerification(verification);
        if (status == kExitNotAccepted) {
            End(EntryStatus::kRefused, "the administrator name or password was not accepted");
        } else if (status != kExitDone) {
            End(EntryStatus::kNoAnswer, "no answer to the verification request");
        }
        return status == kExitDone;
    }

    // A stop between the two writes leaves the network settings unwritten, said; the read-back
    // then finds the entry unconfirmed.
    bool Write(const FleetPlan& plan) {
        if (plan.deviceWrite && !WriteDevice()) {
            return false;
        }
        if (plan.deviceWrite && plan.networkWrite && Stopped()) {
            Add("stopped before the network settings");
            return true;
        }
        return !plan.networkWrite || WriteNetwork();
    }

    // The plan has made sure that the device settings can be built.
    bool WriteDevice() {
        std::string error;
        const auto settings = DeviceSettingsFor(entry_.settings, record_, LocalTimeNow(), error);
        return Written(SetDeviceInfo(sockets_, reporter_, record_.macAddress, record_.name,
                                     *settings, options_),
                       CMD_SET_DEVICE_INFO, "device settings");
    }

    bool WriteNetwork() {
        return Written(
            SetNetworkInfo(sockets_, reporter_, record_.macAddress,
                           NetworkSettingsOver(record_, entry_.settings.network), options_),
            CMD_SET_NETWORK_INFO, "network settings");
    }

    bool Written(const SettingsUpdateResult& result, uint16_t command, const std::string& what) {
        const WriteResult written = ResultOfWrite(result.reply, command);
        if (written == WriteResult::kRefused) {
            End(EntryStatus::kRefused, "the device refused the " + what);
        } else if (written == WriteResult::kNoAnswer) {
            End(EntryStatus::kNoAnswer, "no answer to the " + what);
        }
        return written == WriteResult::kAccepted;
    }

    // Applied when the device now reports every value of the file, the clock aside.
    void ReadBack() {
        DeviceRecord readBack = record_;
        const DeviceDetails details = QueryDeviceDetails(sockets_, reporter_, readBack, options_);
        FleetSettings compared = entry_.settings;
        compared.clock.reset();
        if (!details.opened || MissingReply(details, CMD_GET_NETWORK_INFO)) {
            return End(EntryStatus::kUnconfirmed, "no answer to the read-back");
        }
        const FleetPlan left = PlanChanges(compared, readBack);
        End(left.changes.empty() ? EntryStatus::kApplied : EntryStatus::kUnconfirmed,
            left.changes.empty() ? "" : "the device reports other values after the write");
    }

    void End(EntryStatus status, const std::string& error) {
        result_.status = status;
        Add(error);
    }

    void Add(const std::string& error) {
        if (!error.empty()) {
            result_.error += (result_.error.empty() ? "" : "; ") + error;
        }
    }

    const FleetEntry& entry_;
    const EntryPassword& password_;
    const ApplyRun& run_;
    CheckedSocketLayer sockets_;
    CollectingReporter reporter_;
    DeviceRecord record_;
    ExchangeOptions options_;
    EntryResult result_;
};

}  // namespace

EntryResult ApplyEntry(const FleetEntry& entry, const FoundDevice* device,
                       const EntryPassword& password, const ApplyRun& run, SocketLayer& sockets) {
    if (!device) {
        return EntryWithout(entry, device, EntryStatus::kNotFound,
                            "no device of this entry answered the search");
    }
    return EntryRun(entry, *device, password, run, sockets).Run();
}

EntryResult EntryWithout(const FleetEntry& entry, const FoundDevice* device, EntryStatus status,
                         const std::string& error) {
    EntryResult result{entry.mac, entry.name, status, {}, error};
    if (device) {
        result.mac = FormatMacAddress(device->record->macAddress);
        result.name = device->record->name;
    }
    return result;
}

const char* EntryStatusName(EntryStatus status) {
    switch (status) {
        case EntryStatus::kApplied:
            return "applied";
        case EntryStatus::kUnchanged:
            return "unchanged";
        case EntryStatus::kWouldChange:
            return "would change";
        case EntryStatus::kUnconfirmed:
            return "unconfirmed";
        case EntryStatus::kRefused:
            return "refused";
        case EntryStatus::kNoAnswer:
            return "no answer";
        case EntryStatus::kNotFound:
            return "not found";
        case EntryStatus::kNotStarted:
            return "not started";
        case EntryStatus::kFailed:
            break;
    }
    return "failed";
}

bool IsDone(EntryStatus status) {
    return status == EntryStatus::kApplied || status == EntryStatus::kUnchanged ||
           status == EntryStatus::kWouldChange;
}

}  // namespace zerin::cli
