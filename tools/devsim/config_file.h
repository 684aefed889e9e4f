// Reads the simulated devices from a text file.
//
// Format: one "[device]" line starts each device, followed by "key = value" lines. Blank lines and
// lines starting with '#' are ignored; blanks around keys and values are dropped. Keys:
//
//   name = NETSTOR-000010          required, 1 to 16 characters
//   mac = 02:5a:00:00:00:10        required, six hex pairs separated by ':' or '-'
//   ip = 198.51.100.10             required; ip, mask, gateway, dns1 and dns2 are dotted quads
//   mask = 255.255.255.0           (default 255.255.255.0; gateway and DNS default to 0.0.0.0)
//   gateway = 198.51.100.1
//   dns1 = 198.51.100.1
//   dns2 = 0.0.0.0
//   ip_status = static             static or dhcp (default static)
//   product = 0101                 4 characters (default 0101, the only code the client accepts)
//   firmware = 0107                4 characters, shown as V01R07 (default 0100)
//   description = Office storage   up to 64 characters (default empty)
//   date = 20240115                YYYYMMDD (default 20240101)
//   time = 093005                  HHMMSS (default 120000)
//   timezone = 56                  time-zone index, 0 to 255 (default 0)
//   password_flag = yes            yes, no or a number 0 to 255 (default no)
//   admin_user = admin             up to 16 characters (default admin)
//   admin_password = secret        up to 8 characters (default empty)
//   share = Public                 repeatable, 1 to 35 characters, at most 5120 shares
//   usb = Public, USB1_DISK1, FAT32, 15258, 63
//                                  repeatable, at most 14: share name (1 to 35 characters), device
//                                  id (up to 16), file system (up to 9), total size in MB (32-bit)
//                                  and free space in percent (-32768 to 32767)
//   search_word = 0x0001           0 to 65535, decimal or 0x hex (default 0)
//   fault = delay:500@get_share_list
//                                  repeatable, see fault.h
//
// MACs must differ between devices. A file without devices is valid: only --burst devices answer.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/device_state.h"

namespace zerin::devsim {

// The devices of the file in order; on failure nothing, and error names the line and the fault.
std::optional<std::vector<DeviceState>> ParseConfig(std::istream& in, std::string& error);

}  // namespace zerin::devsim
