// The administrator's name and password of a command: --user, and the password from the one
// source given of --password-file, --password-stdin and --password, else from ZERIN_PASSWORD, else
// from a prompt without echo when the input is a terminal. A password is never printed.
#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/command.h"
#include "operations/credentials.h"
#include "platform/console.h"

namespace zerin::cli {

struct CredentialOptions {
    std::optional<std::string> user;
    std::optional<std::string> passwordFile;
    bool passwordStdin = false;
    std::optional<std::string> password;
};

// The options that name the sources, in the order they are tried.
extern const char kPasswordSourcesHelp[];

void AddCredentialOptions(CLI::App& command, CredentialOptions& options);

// --no-broadcast-password: refuse a verification that only a broadcast carries.
void AddNoBroadcastPasswordOption(CLI::App& command, bool& refuse);

// What the sources other than the prompt gave.
struct GivenPassword {
    std::optional<std::string> password;  // nothing: no source was given
    std::string error;                    // a source given but unreadable, or a password too long
};

// Reads the source given; two given at once are an error; warns on the error stream when --password
// is given, which other users of the machine can see.
GivenPassword ReadGivenPassword(const CredentialOptions& options, std::istream& in,
                                const std::optional<std::string>& variable, std::ostream& err);

// The first line of a password file, such as a fleet entry's passwordFile, checked as every source
// is.
GivenPassword ReadPasswordFile(const std::string& path);

// What the command's password sources give, the error already said.
GivenPassword ReadPasswordSources(CommandContext& context, const CredentialOptions& credentials);

// The password given by a source, else the one typed at a prompt; nothing, after saying which
// options give one, when there is neither.
std::optional<std::string> PasswordOrPrompt(CommandContext& context,
                                            const CredentialOptions& credentials,
                                            const std::optional<std::string>& given,
                                            const std::string& device);

// Asks for the password on the error stream and reads it without echo; nothing when the input is
// not a terminal, or ends.
std::optional<std::string> PromptForPassword(Console& console, std::ostream& err,
                                             const std::string& prompt);

}  // namespace zerin::cli
