// The device's guard, as the setup wizard keeps it: a device whose passwordFlag is set takes
// settings only after it has accepted its administrator's name and password.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/password_sources.h"
#include "protocol/device_record.h"
#include "protocol/exchange.h"

namespace zerin::cli {

// kExitDone when the settings may be written: the device is not guarded, or it accepted the name
// and password. Otherwise the status of the reason, said on the error stream.
int PassAdministratorGuard(CommandContext& context, const DeviceRecord& record,
                           const CredentialOptions& credentials,
                           const std::optional<std::string>& given, const ExchangeOptions& options);

}  // namespace zerin::cli
