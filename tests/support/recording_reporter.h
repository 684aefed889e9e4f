// A reporter for tests that keeps every message it is given.
#pragma once

#include <string>
#include <vector>

#include "protocol/reporter.h"

namespace zerin::testing {

struct RecordingReporter : Reporter {
    std::vector<std::string> messages;
    void Report(const std::string& message) override { messages.push_back(message); }
};

}  // namespace zerin::testing
