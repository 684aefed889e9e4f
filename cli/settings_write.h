// The course shared by set-device and set-network: the device is found, its detail queries run
// (the reply the write builds on must come, or nothing is written), its guard is passed, then its
// settings are built from the options over what it reports, sent, and how it took them is said.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/device_target.h"
#include "cli/json_output.h"
#include "cli/password_sources.h"
#include "protocol/device_details.h"
#include "protocol/device_record.h"
#include "protocol/settings_update_result.h"

namespace zerin::cli {

class SettingsWriteCommand : public Command {
  public:
    int Run(CommandContext& context) final;

  protected:
    // DEVICE, --timeout, --json and the administrator's name and password.
    void AddWriteOptions(CLI::App& command);

    // The last detail query whose reply the settings are built on.
    virtual uint16_t NeededReply() const = 0;
    // Builds the settings from the options over the record; false, with the reason, when the
    // record lacks a value that no option gives.
    virtual bool Build(const DeviceRecord& record, std::string& error) = 0;
    // The fields written, by the record's names.
    virtual Json SentFields() const = 0;
    virtual SettingsUpdateResult Write(CommandContext& context, const DeviceRecord& record,
                                       const ExchangeOptions& options) = 0;
    virtual uint16_t WriteCommand() const = 0;

  private:
    // Runs the detail queries, passes the guard and builds the settings: kExitDone when the
    // settings may be sent, else the status of the reason, said.
    int ReadyToWrite(CommandContext& context, DeviceRecord& record, const ExchangeOptions& options,
                     const std::optional<std::string>& password);
    int Report(CommandContext& context, const DeviceRecord& record,
               const SettingsUpdateResult& result);

    DeviceTarget target_;
    CredentialOptions credentials_;
};

}  // namespace zerin::cli
