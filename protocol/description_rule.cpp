// The description rule.
#include "protocol/description_rule.h"

#include <algorithm>

namespace zerin {

const char kInvalidDescriptionMessage[] =
    "Device description is invalid! \nValid characters are: '0-9', 'a-z', 'A-Z', ' ', '-', '_'.";
const char kInvalidDescriptionCaption[] = "Note";

namespace {

// Decided byte by byte, so that no locale lets a byte of 128 or more pass.
bool IsValidDescriptionCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' ||
           c == '-' || c == '_';
}

}  // namespace

bool IsValidDescription(std::string_view description) {
    return std::all_of(description.begin(), description.end(), IsValidDescriptionCharacter);
}

}  // namespace zerin
