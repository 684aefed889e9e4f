// Parsing of a command's words.
#include "cli/arguments.h"

#include <algorithm>

namespace zerin::cli {

std::optional<std::string> Arguments::Value(const std::string& name) const {
    const auto option = options.find(name);
    if (option == options.end()) {
        return std::nullopt;
    }
    return option->second;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& words,
                                        const std::vector<OptionRule>& rules, size_t positionals,
                                        std::string& error) {
    Arguments arguments;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].rfind("--", 0) != 0) {
            arguments.positional.push_back(words[i]);
            continue;
        }
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [&](const OptionRule& s) { return words[i] == s.name; });
        if (rule == rules.end()) {
            error = "unknown option " + words[i];
            return std::nullopt;
        }
        if (rule->takesValue && i + 1 == words.size()) {
            error = words[i] + " needs a value";
            return std::nullopt;
        }
        const std::string& name = words[i];
        arguments.options[name] = rule->takesValue ? words[++i] : "";
    }
    if (arguments.positional.size() != positionals) {
        error = "expected " + std::to_string(positionals) + " argument(s) before the options";
        return std::nullopt;
    }
    return arguments;
}

}  // namespace zerin::cli
