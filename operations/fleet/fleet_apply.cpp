// Applying one entry.
#include "operations/fleet/fleet_apply.h"

#include <algorithm>
#include <iterator>

#include "operations/checked_socket_layer.h"
#include "operations/detail_replies.h"
#include "operations/device_waits.h"
#include "operations/device_write.h"
#include "operations/password_broadcast.h"
#include "operations/silent_reporter.h"
#include "protocol/device_details.h"
#include "protocol/device_texts.h"

namespace zerin {

namespace {

class EntryRun {
  public:
    EntryRun(const FleetEntry& entry, const FoundDevice& device, const EntryPassword& password,
             const ApplyRun& run, SocketLayer& platform)
        : entry_(entry),
          password_(password),
          run_(run),
          sockets_(platform),
          record_(*device.record),
          options_(ExchangeOptionsOf(run.waits, *device.record)) {
        result_.mac = FormatMacAddress(record_.macAddress);
        result_.name = record_.name;
    }

    EntryResult Run() {
        const WriteReport report = WriteSettings(sockets_, reporter_, record_, options_, Steps());
        Conclude(report);
        if (report.outcome == WriteOutcome::kAccepted) {
            if (report.stoppedBetweenWrites) {
                Add("stopped before the network settings");
            }
            ReadBack();
        }
        if (const auto& failure = sockets_.Failure()) {
            result_.networkFailed = true;
            Add("the network failed: " + *failure);
        }
        return result_;
    }

  private:
    bool NeedsNetwork() const {
        const NetworkSettingsChange& network = entry_.settings.network;
        return network.mode ||
               std::any_of(std::begin(network.addresses), std::end(network.addresses),
                           [](const auto& a) { return a.has_value(); });
    }

    WriteSteps Steps() {
        return {
            NeedsNetwork() ? CMD_GET_NETWORK_INFO : CMD_GET_DEVICE_INFO,
            [this](const DeviceRecord& record, std::string& error) { return Plan(record, error); },
            [this](const DeviceRecord&) { return Given(); }, run_.stopRequested,
            [this](const DeviceRecord& record) {
                return MayVerify(record, run_.refuseBroadcastPassword, run_.warn);
            }};
    }

    // The writes of the plan; none when nothing changes or in a dry run.
    std::optional<PlannedWrites> Plan(const DeviceRecord& record, std::string& error) {
        FleetPlan plan = PlanChanges(entry_.settings, record, LocalTimeNow());
        planned_ = !plan.changes.empty();
        result_.changes = plan.changes;
        if (entry_.mac && entry_.name && *entry_.name != record.name) {
            result_.changes.insert(result_.changes.begin(),
                                   {"name", std::string(record.name), *entry_.name});
        }
        error = plan.error;
        if (!error.empty()) {
            return std::nullopt;
        }
        return plan.changes.empty() || run_.dryRun ? PlannedWrites{} : plan.writes;
    }

    // The entry's own name and password, else the run's.
    std::optional<Credentials> Given() const {
        const auto user = entry_.user ? entry_.user : run_.user;
        const auto password = password_ ? password_ : run_.password;
        if (!user || !password) {
            return std::nullopt;
        }
        return Credentials{*user, *password};
    }

    void Conclude(const WriteReport& report) {
        const std::string text = WriteOutcomeText(report, record_);
        switch (report.outcome) {
            case WriteOutcome::kAccepted:
                return;
            case WriteOutcome::kNothingToWrite:
                return End(planned_ ? EntryStatus::kWouldChange : EntryStatus::kUnchanged, "");
            case WriteOutcome::kStopped:
                return End(EntryStatus::kNotStarted, text);
            case WriteOutcome::kNetworkFailed:  // the run adds what failed
                return End(EntryStatus::kNoAnswer, "");
            case WriteOutcome::kCredentialsMissing:
                return End(EntryStatus::kRefused, text + run_.credentialsHint);
            case WriteOutcome::kUnplannable:
            case WriteOutcome::kBroadcastRefused:
            case WriteOutcome::kNotAccepted:
            case WriteOutcome::kRefused:
                return End(EntryStatus::kRefused, text);
            default:
                return End(EntryStatus::kNoAnswer, text);
        }
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
        const FleetPlan left = PlanChanges(compared, readBack, std::tm{});
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
    SilentReporter reporter_;
    DeviceRecord record_;
    ExchangeOptions options_;
    EntryResult result_;
    bool planned_ = false;  // the plan changes a value; a name that differs is never written
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

Json EntryResultJson(const EntryResult& result) {
    const auto nullable = [](const std::optional<std::string>& text) {
        return text ? Json(*text) : Json(nullptr);
    };
    return {{"mac", nullable(result.mac)},
            {"name", nullable(result.name)},
            {"status", EntryStatusName(result.status)},
            {"changes", ChangesJson(result.changes)},
            {"error", result.error.empty() ? Json(nullptr) : Json(result.error)}};
}

bool IsDone(EntryStatus status) {
    return status == EntryStatus::kApplied || status == EntryStatus::kUnchanged ||
           status == EntryStatus::kWouldChange;
}

}  // namespace zerin
