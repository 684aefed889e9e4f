// The share list part of the detail queries: the record's share list rebuilt from one share
// list request per page of 20 names.
#pragma once

#include <cstddef>
#include <cstdint>

#include "protocol/device_record.h"
#include "protocol/exchange.h"

namespace zerin {

// Pages asked for a share count: count / 20 + 1 (one page more than the names need when the
// count is a multiple of 20), none for a count of zero or below, and at most the 256 pages a
// one-byte page index can name.
int SharePageCount(int16_t shareCount);

// Appends the entries of a share list reply of the given length when it answers the page:
// as many as its count byte says, but never more than the datagram holds.
void ReadSharePage(const uint8_t* reply, size_t length, uint8_t page, DeviceRecord& record);

// Empties (or creates) the record's share list, then asks for every page of its share count.
void QueryShareList(Exchange& exchange, DeviceRecord& record);

}  // namespace zerin
