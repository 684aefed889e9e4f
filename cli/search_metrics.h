// What `search --metrics FILE` writes after every window: Prometheus' text exposition format, for
// node_exporter's textfile collector. Every device as a `zerin_device_up` sample (1 while it
// answers, 0 once a watch counts it as disappeared, until the watch ends) with its
// `zerin_device_info` labels, and the window's count, duration and end time.
#pragma once

#include <string>
#include <vector>

#include "operations/search/listed_device.h"

namespace zerin::cli {

struct MetricsDevice {
    ListedDevice device;  // as last heard
    bool up;
};

struct SearchMetrics {
    std::vector<MetricsDevice> devices;
    size_t answered = 0;  // the devices heard in the window
    double durationSeconds = 0;
    double endSeconds = 0;  // the window's end, in seconds since 1970 (UTC)
};

// The text, each metric with its HELP and TYPE lines. Label values are escaped as the format
// asks, bytes that are not UTF-8 shown as U+FFFD.
std::string MetricsText(const SearchMetrics& metrics);

}  // namespace zerin::cli
