// Fuzzes the target parser of --target and apply's "targets": whatever the text, it gives a range
// that starts no later than it ends, or a refusal that says why, and never crashes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "operations/search/search_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto range =
        zerin::ParseTarget(std::string(reinterpret_cast<const char*>(data), size), error);
    if (range ? range->first > range->last : error.empty()) {
        __builtin_trap();
    }
    return 0;
}
