// Reading the administrator's password from its sources.
#include "cli/password_sources.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace zerin::cli {

const char kPasswordSourcesHelp[] =
    "--password-file FILE, --password-stdin, --password PW or the variable ZERIN_PASSWORD";

namespace {

// One line without its line end; nothing at the end of the input.
std::optional<std::string> ReadLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line) && line.empty()) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

GivenPassword FromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {std::nullopt,
                "cannot read the password file " + path + ": " + std::strerror(errno)};
    }
    return {ReadLine(file).value_or(""), ""};
}

GivenPassword FromStandardInput(std::istream& in) {
    const auto line = ReadLine(in);
    if (!line) {
        return {std::nullopt, "--password-stdin: no line on standard input"};
    }
    return {line, ""};
}

// A password longer than the verification request takes is refused.
GivenPassword Checked(GivenPassword given) {
    if (given.password && given.password->size() > kMaxPasswordLength) {
        return {std::nullopt, "the password takes at most 8 bytes"};
    }
    return given;
}

// The one explicit source given, else the variable.
GivenPassword FirstSource(const CredentialOptions& options, std::istream& in,
                          const std::optional<std::string>& variable) {
    const int explicitSources = (options.passwordFile ? 1 : 0) + (options.passwordStdin ? 1 : 0) +
                                (options.password ? 1 : 0);
    if (explicitSources > 1) {
        return {std::nullopt,
                "give one password source of --password-file, --password-stdin and --password"};
    }
    if (options.passwordFile) {
        return FromFile(*options.passwordFile);
    }
    if (options.passwordStdin) {
        return FromStandardInput(in);
    }
    return {options.password ? options.password : variable, ""};
}

}  // namespace

void AddCredentialOptions(CLI::App& command, CredentialOptions& options) {
    command.add_option("--user", options.user, "the administrator's name (at most 16 bytes)")
        ->type_name("NAME")
        ->check(CLI::Validator(
            [](const std::string& name) {
                return name.size() <= kMaxUserLength ? "" : "takes at most 16 bytes";
            },
            ""));
    command
        .add_option("--password-file", options.passwordFile,
                    "read the password from the first line of FILE")
        ->type_name("FILE");
    command.add_flag("--password-stdin", options.passwordStdin,
                     "read the password from one line of standard input");
    command
        .add_option("--password", options.password,
                    "the password itself (other users of this machine can see it)")
        ->type_name("PW");
}

void AddNoBroadcastPasswordOption(CLI::App& command, bool& refuse) {
    command.add_flag("--no-broadcast-password", refuse,
                     "refuse to verify a device whose address lies outside this network, which "
                     "only a broadcast reaches: that would hand its administrator password to "
                     "every host on the link");
}

GivenPassword ReadGivenPassword(const CredentialOptions& options, std::istream& in,
                                const std::optional<std::string>& variable, std::ostream& err) {
    if (options.password) {
        err << "zerin-cli: warning: a password on the command line can be seen by other users of "
               "this machine; use --password-file, --password-stdin or ZERIN_PASSWORD\n";
    }
    return Checked(FirstSource(options, in, variable));
}

GivenPassword ReadPasswordFile(const std::string& path) {
    return Checked(FromFile(path));
}

GivenPassword ReadPasswordSources(CommandContext& context, const CredentialOptions& credentials) {
    GivenPassword given =
        ReadGivenPassword(credentials, context.in, context.passwordVariable, context.err);
    if (!given.error.empty()) {
        Say(context, given.error);
    }
    return given;
}

std::optional<std::string> PasswordOrPrompt(CommandContext& context,
                                            const CredentialOptions& credentials,
                                            const std::optional<std::string>& given,
                                            const std::string& device) {
    if (given) {
        return given;
    }
    const auto typed =
        PromptForPassword(context.console, context.err,
                          "Password of " + credentials.user.value_or("") + " on " + device + ": ");
    if (!typed) {
        Say(context, "no password for " + device + ": give " + kPasswordSourcesHelp);
    }
    return typed;
}

std::optional<std::string> PromptForPassword(Console& console, std::ostream& err,
                                             const std::string& prompt) {
    if (!console.InputIsTerminal()) {
        return std::nullopt;
    }
    err << prompt << std::flush;
    const auto password = console.ReadHiddenLine();
    if (password && password->size() > kMaxPasswordLength) {
        err << "zerin-cli: the password takes at most 8 bytes\n";
        return std::nullopt;
    }
    return password;
}

}  // namespace zerin::cli
