// What set-device and set-network share: the device is found and written by the one course of a
// settings write, and how it took the settings is said.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/device_target.h"
#include "cli/password_sources.h"
#include "operations/device_write.h"
#include "operations/json_text.h"
#include "protocol/device_record.h"

namespace zerin::cli {

class SettingsWriteCommand : public Command {
  public:
    int Run(CommandContext& context) final;

  protected:
    // DEVICE, --timeout, --json and the administrator's name and password.
    void AddWriteOptions(CLI::App& command);

    // The last detail query whose reply the settings are built on.
    virtual uint16_t NeededReply() const = 0;
    // The write from the options over the record; nothing, with the reason, when the record
    // lacks a value that no option gives.
    virtual std::optional<PlannedWrites> Plan(const DeviceRecord& record, std::string& error) = 0;
    // The fields written, by the record's names.
    virtual Json SentFields(const PlannedWrites& planned) const = 0;

  private:
    WriteSteps Steps(CommandContext& context, const std::optional<std::string>& given);
    std::optional<Credentials> CredentialsFor(CommandContext& context, const DeviceRecord& record,
                                              const std::optional<std::string>& given) const;
    // The exit status of the course, its reason said.
    int Conclude(CommandContext& context, const DeviceRecord& record, const WriteReport& report);
    int Report(CommandContext& context, const DeviceRecord& record, const WriteReport& report);

    DeviceTarget target_;
    CredentialOptions credentials_;
    bool refuseBroadcastPassword_ = false;
};

}  // namespace zerin::cli
