// Reading and writing the fuzzer's input, and its sockets layer.
#include "tests/fuzz/fuzz_input.h"

#include <algorithm>

namespace zerin::fuzz {

FuzzInput ReadFuzzInput(const uint8_t* data, size_t size) {
    FuzzInput input{Target::kSearch, {}};
    if (size == 0) {
        return input;
    }
    input.target = static_cast<Target>(data[0] % static_cast<uint8_t>(Target::kCount));
    for (size_t at = 1; at + 2 <= size;) {
        const size_t length = std::min<size_t>(data[at] | data[at + 1] << 8, size - at - 2);
        input.datagrams.emplace_back(data + at + 2, data + at + 2 + length);
        at += 2 + length;
    }
    return input;
}

Bytes WriteFuzzInput(Target target, const std::vector<Bytes>& datagrams) {
    Bytes input{static_cast<uint8_t>(target)};
    for (const Bytes& datagram : datagrams) {
        input.push_back(static_cast<uint8_t>(datagram.size()));
        input.push_back(static_cast<uint8_t>(datagram.size() >> 8));
        input.insert(input.end(), datagram.begin(), datagram.end());
    }
    return input;
}

int FuzzSocketLayer::Receive(Handle, uint8_t* buffer, size_t capacity, Ipv4Address&) {
    if (datagrams_.empty()) {
        return kSocketError;
    }
    const Bytes datagram = std::move(datagrams_.front());
    datagrams_.pop_front();
    const size_t length = std::min(capacity, datagram.size());
    std::copy_n(datagram.begin(), length, buffer);
    return static_cast<int>(length);
}

}  // namespace zerin::fuzz
