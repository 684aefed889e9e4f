// The words of one command's command line: positional words and "--name [value]" options.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zerin::cli {

struct OptionRule {
    const char* name;  // with its leading "--"
    bool takesValue;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // an option without a value maps to ""

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
};

// The arguments of the words after the command's name; nothing, with the reason in error, for
// an unknown option, an option without its value, or another count of positional words.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& words,
                                        const std::vector<OptionRule>& rules, size_t positionals,
                                        std::string& error);

}  // namespace zerin::cli
