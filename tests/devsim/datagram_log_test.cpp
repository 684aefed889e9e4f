// The log line format that tests grep for bytes on the wire.
#include "tools/devsim/datagram_log.h"

#include <gtest/gtest.h>

namespace zerin::devsim {
namespace {

TEST(DatagramLog, FormatsTimeDirectionPeerLocalAddressLengthAndHex) {
    // 2024-01-15 09:30:05.123 UTC.
    std::chrono::system_clock::time_point when{std::chrono::milliseconds(1705311005123)};
    EXPECT_EQ(FormatLogLine(when, Direction::kIn, "198.51.100.1:40000", "198.51.100.10",
                            {0x00, 0xab, 0x10}),
              "2024-01-15T09:30:05.123Z in 198.51.100.1:40000 198.51.100.10 3 00ab10");
    EXPECT_EQ(FormatLogLine(when, Direction::kOut, "198.51.100.1:40000", "*", {0xff}),
              "2024-01-15T09:30:05.123Z out 198.51.100.1:40000 * 1 ff");
}

}  // namespace
}  // namespace zerin::devsim
