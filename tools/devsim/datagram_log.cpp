// One line per datagram received or sent.
#include "tools/devsim/datagram_log.h"

#include <time.h>

#include <cstdio>
#include <ctime>

namespace zerin::devsim {

namespace {

std::string FormatTime(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    time_t seconds = system_clock::to_time_t(when);
    long milliseconds = static_cast<long>(
        duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() % 1000);
    struct tm utc;
    gmtime_r(&seconds, &utc);
    char text[48];
    size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(text + length, sizeof text - length, ".%03ldZ", milliseconds);
    return text;
}

std::string Hex(const Datagram& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0f];
    }
    return text;
}

}  // namespace

std::string FormatLogLine(std::chrono::system_clock::time_point when, Direction direction,
                          const std::string& peer, const std::string& local,
                          const Datagram& bytes) {
    return FormatTime(when) + (direction == Direction::kIn ? " in " : " out ") + peer + " " +
           local + " " + std::to_string(bytes.size()) + " " + Hex(bytes);
}

void DatagramLog::Write(Direction direction, const std::string& peer, const std::string& local,
                        const Datagram& bytes) {
    out_ << FormatLogLine(std::chrono::system_clock::now(), direction, peer, local, bytes)
         << std::endl;
}

}  // namespace zerin::devsim
