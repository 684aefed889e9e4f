#!/bin/sh
# Zerin.exe end to end: the window lists the simulated devices, a selection shows the details
# and USB rows, Access via web hands the device's URL to the browser, and the simulator saw
# exactly the search and the detail requests.
. "$(dirname "$0")/lib.sh"

start_devsim
record_browser_urls
start_zerin

expect_eq "device list" "NETSTOR-000010
NETSTOR-000011
NETSTOR-000012" "$(drive lines "$MAIN_TITLE" 1001)"

drive select "$MAIN_TITLE" 1001 1
expect_eq "firmware" "V02R03" "$(drive text "$MAIN_TITLE" 1016)"
expect_eq "IP address" "198.51.100.11" "$(drive text "$MAIN_TITLE" 1017)"
expect_eq "description" "Media shelf - living room" "$(drive text "$MAIN_TITLE" 1018)"
expect_eq "MAC address" "02:5a:00:00:00:11" "$(drive text "$MAIN_TITLE" 1020)"
expect_eq "IP status" "DHCP" "$(drive text "$MAIN_TITLE" 1043)"
tab=$(printf '\t')
expect_eq "USB rows" "Media${tab}USB1_PART1${tab}NTFS${tab}953869${tab}41%
Photos${tab}USB1_PART2${tab}EXT3${tab}238475${tab}7%
Backup${tab}USB2-0000A1B2C3D${tab}FAT32${tab}30517${tab}96%" "$(drive rows "$MAIN_TITLE" 1081)"

drive click "$MAIN_TITLE" 1006
wait_for_line "$URLS" || fail "no URL reached the browser"
# Wine's browser launcher canonicalises the URL with a trailing slash; the exact text the program
# hands to the shell is checked by the main window's unit tests.
expect_eq "URL" "http://198.51.100.11/" "$(cat "$URLS")"

stop_zerin

# The search went through the namespace's adapter, to 255.255.255.255 and to the subnet's
# broadcast; each detail request went once, through the adapter that heard the device.
mac=025a00000011
expect_eq "requests" "000000000000000000000000
000000000000000000000000
100000000000${mac}
120000000000${mac}
200000000000${mac}
210000000100${mac}00
140000000000${mac}" "$(logged in)"
echo "main window end to end: ok"
