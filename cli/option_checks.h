// The checks of the settings options' values, run by CLI11 while the command line is read, so
// that a bad value is refused before anything is sent.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace zerin::cli {

// A real calendar date, YYYY-MM-DD.
CLI::Validator DateCheck();
// A 24-hour time, HH:MM:SS.
CLI::Validator TimeCheck();
// A dotted IPv4 address.
CLI::Validator AddressCheck();
// At most 63 characters, each a digit, an ASCII letter, a space, a hyphen or an underscore.
CLI::Validator DescriptionCheck();
// An index of the time-zone list, 0 to 74, a part of one zone's name, or "none".
CLI::Validator TimeZoneCheck();
// "now", or a real date and time "YYYY-MM-DD HH:MM:SS".
CLI::Validator ClockCheck();
// yes, no, true or false.
CLI::Validator BooleanCheck();
// A number from min to max, "takes 0.1 to 3600 seconds" when it is not; a whole one unless
// fractions are allowed. The unit may be empty.
CLI::Validator SecondsCheck(double min, double max);
CLI::Validator WholeNumberCheck(long min, long max, const std::string& unit = "");

// yes and true, no and false, in any case.
std::optional<bool> ParseBoolean(const std::string& text);

}  // namespace zerin::cli
