// The checks of the settings options' values, run by CLI11 while the command line is read, so
// that a bad value is refused before anything is sent.
#pragma once

#include <CLI/CLI.hpp>

namespace zerin::cli {

// A real calendar date, YYYY-MM-DD.
CLI::Validator DateCheck();
// A 24-hour time, HH:MM:SS.
CLI::Validator TimeCheck();
// A dotted IPv4 address.
CLI::Validator AddressCheck();
// At most 63 characters, each a digit, an ASCII letter, a space, a hyphen or an underscore.
CLI::Validator DescriptionCheck();
// An index of the time-zone list, 0 to 74, or "none".
CLI::Validator TimeZoneCheck();

}  // namespace zerin::cli
