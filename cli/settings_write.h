// What set-device and set-network share: the settings the options give are planned over the
// device's report as apply plans an entry, only what differs is written by the one course of a
// settings write, and how the device took them is said.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/device_target.h"
#include "cli/password_sources.h"
#include "operations/device_write.h"
#include "operations/fleet/fleet_file.h"
#include "operations/fleet/fleet_plan.h"
#include "protocol/device_record.h"

namespace zerin::cli {

// How the plan's errors name what the options give.
extern const GivenInstead kOptionsGive;

class SettingsWriteCommand : public Command {
  public:
    int Run(CommandContext& context) final;

  protected:
    // DEVICE, --timeout, --json, --dry-run and the administrator's name and password.
    void AddWriteOptions(CLI::App& command);

    // The last detail query whose reply the settings are built on.
    virtual uint16_t NeededReply() const = 0;
    // Why the options alone cannot be written, "nothing to set" among them; empty when they can.
    virtual std::string OptionsError() const = 0;
    // The settings the options give, over the record where they need its values; nothing, with
    // the reason, when the record lacks a value that no option gives.
    virtual std::optional<FleetSettings> Settings(const DeviceRecord& record,
                                                  std::string& error) const = 0;

  private:
    WriteSteps Steps(CommandContext& context, const std::optional<std::string>& given);
    std::optional<PlannedWrites> Plan(const DeviceRecord& record, std::string& error);
    std::optional<Credentials> CredentialsFor(CommandContext& context, const DeviceRecord& record,
                                              const std::optional<std::string>& given) const;
    // The exit status of the course, its reason said.
    int Conclude(CommandContext& context, const DeviceRecord& record, const WriteReport& report);
    int Report(CommandContext& context, const DeviceRecord& record, const WriteReport& report);

    DeviceTarget target_;
    CredentialOptions credentials_;
    bool refuseBroadcastPassword_ = false;
    bool dryRun_ = false;
    std::vector<Change> changes_;  // the plan's, once planned
};

}  // namespace zerin::cli
