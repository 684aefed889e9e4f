// Fuzzes the reader of search's known-devices file: whatever the bytes, it gives the devices,
// whose text it reads back the same, or a refusal that says why, and never crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "operations/search/known_devices.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zerin::KnownDevices known;
    std::string error;
    if (!known.Read(std::string(reinterpret_cast<const char*>(data), size), error)) {
        if (error.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    zerin::KnownDevices again;
    if (!again.Read(known.Text(), error) || again.Text() != known.Text()) {
        __builtin_trap();
    }
    return 0;
}
