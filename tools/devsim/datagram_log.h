// One line per datagram received or sent, flushed at once so that tests can read the log while the
// simulator runs:
//
//   2024-01-15T09:30:05.123Z in 198.51.100.1:40000 255.255.255.255 12 000000000000000000000000
//
// fields separated by one space: UTC time with milliseconds, "in" or "out", the peer's address and
// port, the local address (the one a request was sent to: a broadcast or a unicast address; the
// one an answer goes from, or "*" for the system's choice), the datagram's length in bytes, and
// its bytes as lower-case hex without separators.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

#include "tools/devsim/reply_builder.h"

namespace zerin::devsim {

enum class Direction { kIn, kOut };

std::string FormatLogLine(std::chrono::system_clock::time_point when, Direction direction,
                          const std::string& peer, const std::string& local, const Datagram& bytes);

class DatagramLog {
  public:
    explicit DatagramLog(std::ostream& out) : out_(out) {}

    void Write(Direction direction, const std::string& peer, const std::string& local,
               const Datagram& bytes);

  private:
    std::ostream& out_;
};

}  // namespace zerin::devsim
