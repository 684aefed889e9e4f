// A guarded device's administrator name and password, as far as the verification request takes
// them (the Verify dialog's edits take no more). A password is never shown, logged or stored.
#pragma once

#include <cstddef>
#include <string>

namespace zerin {

constexpr size_t kMaxUserLength = 16;
constexpr size_t kMaxPasswordLength = 8;

struct Credentials {
    std::string user;
    std::string password;
};

}  // namespace zerin
