// Fuzzes the reader of `zerin-cli apply`'s file: whatever the bytes, it gives entries or a refusal
// that says why, and never crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "operations/fleet/fleet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto file =
        zerin::ReadFleetFile(std::string(reinterpret_cast<const char*>(data), size), error);
    if (!file && error.empty()) {
        __builtin_trap();
    }
    return 0;
}
