// Writing a search's metrics.
#include "cli/search_metrics.h"

#include <cstdio>

#include "operations/json_text.h"

namespace zerin::cli {

namespace {

// A label value between its quotes: backslash, double quote and line feed escaped.
std::string LabelValue(const std::string& text) {
    std::string escaped;
    for (const char c : ValidUtf8(text)) {
        escaped += c == '\\' ? "\\\\" : c == '"' ? "\\\"" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return '"' + escaped + '"';
}

std::string Header(const char* name, const char* help) {
    return std::string("# HELP ") + name + ' ' + help + "\n# TYPE " + name + " gauge\n";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

}  // namespace

std::string MetricsText(const SearchMetrics& metrics) {
    std::string up = Header("zerin_device_up",
                            "1 while the device answers the search, 0 once a watch counts it as "
                            "disappeared.");
    std::string info = Header("zerin_device_info",
                              "The device's name, IP address and product code, and the adapter "
                              "that heard it or the target address that answered.");
    for (const MetricsDevice& entry : metrics.devices) {
        const ListedDevice& device = entry.device;
        up +=
            "zerin_device_up{mac=" + LabelValue(device.mac) + "} " + (entry.up ? "1" : "0") + '\n';
        info += "zerin_device_info{mac=" + LabelValue(device.mac) +
                ",name=" + LabelValue(device.name) + ",ip=" + LabelValue(device.ip) +
                ",product_code=" + LabelValue(device.productCode) +
                ",adapter=" + LabelValue(HeardBy(device)) + "} 1\n";
    }
    return up + info + Header("zerin_search_devices", "Devices that answered the last search.") +
           "zerin_search_devices " + std::to_string(metrics.answered) + '\n' +
           Header("zerin_search_duration_seconds", "How long the last search took.") +
           "zerin_search_duration_seconds " + Number(metrics.durationSeconds) + '\n' +
           Header("zerin_search_last_timestamp_seconds",
                  "When the last search ended, in seconds since 1970-01-01 UTC.") +
           "zerin_search_last_timestamp_seconds " + Number(metrics.endSeconds) + '\n';
}

}  // namespace zerin::cli
