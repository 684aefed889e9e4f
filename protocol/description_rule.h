// The rule a device description must follow before the device settings are written, shared by
// the device settings page and the command-line tool.
#pragma once

#include <cstddef>
#include <string_view>

namespace zerin {

// The page reads the description through a 64-byte buffer, so it checks and sends at most this
// many characters.
constexpr size_t kDescriptionMaxLength = 63;

// The "Note" shown for a description that breaks the rule.
extern const char kInvalidDescriptionMessage[];
extern const char kInvalidDescriptionCaption[];

// True when every character is a digit, an ASCII letter, a space, a hyphen or an underscore;
// an empty description is valid.
bool IsValidDescription(std::string_view description);

}  // namespace zerin
