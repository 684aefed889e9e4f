// The metrics file's text: every metric with its HELP and TYPE, label values escaped.
#include "cli/search_metrics.h"

#include <gtest/gtest.h>

namespace zerin::cli {
namespace {

TEST(SearchMetricsTest, DevicesUpAndDownWithTheirLabelsThenTheSearch) {
    SearchMetrics metrics;
    metrics.devices.push_back(
        {{"NETSTOR-000010", "02:5a:00:00:00:10", "198.51.100.10", "0101", "eth0", "198.51.100.1"},
         true});
    metrics.devices.push_back({{"Shelf \"A\"\\\n\xff", "02:5a:00:00:00:70", "203.0.113.10", "0101",
                                "", "", "203.0.113.10"},
                               false});
    metrics.answered = 1;
    metrics.durationSeconds = 2.0034;
    metrics.endSeconds = 1796904000.5;
    EXPECT_EQ(
        MetricsText(metrics),
        "# HELP zerin_device_up 1 while the device answers the search, 0 once a watch "
        "counts it as disappeared.\n"
        "# TYPE zerin_device_up gauge\n"
        "zerin_device_up{mac=\"02:5a:00:00:00:10\"} 1\n"
        "zerin_device_up{mac=\"02:5a:00:00:00:70\"} 0\n"
        "# HELP zerin_device_info The device's name, IP address and product code, and the "
        "adapter that heard it or the target address that answered.\n"
        "# TYPE zerin_device_info gauge\n"
        "zerin_device_info{mac=\"02:5a:00:00:00:10\",name=\"NETSTOR-000010\","
        "ip=\"198.51.100.10\",product_code=\"0101\",adapter=\"eth0\"} 1\n"
        "zerin_device_info{mac=\"02:5a:00:00:00:70\",name=\"Shelf \\\"A\\\"\\\\\\n\xef\xbf\xbd\","
        "ip=\"203.0.113.10\",product_code=\"0101\",adapter=\"via 203.0.113.10\"} 1\n"
        "# HELP zerin_search_devices Devices that answered the last search.\n"
        "# TYPE zerin_search_devices gauge\n"
        "zerin_search_devices 1\n"
        "# HELP zerin_search_duration_seconds How long the last search took.\n"
        "# TYPE zerin_search_duration_seconds gauge\n"
        "zerin_search_duration_seconds 2.003\n"
        "# HELP zerin_search_last_timestamp_seconds When the last search ended, in seconds "
        "since 1970-01-01 UTC.\n"
        "# TYPE zerin_search_last_timestamp_seconds gauge\n"
        "zerin_search_last_timestamp_seconds 1796904000.500\n");
}

}  // namespace
}  // namespace zerin::cli
