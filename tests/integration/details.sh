#!/bin/sh
# The detail queries against the simulated device of details.conf over real sockets: the
# protocol core natively and under Wine, the requests as the simulator saw them, and what
# `zerin-cli show` prints.
. "$(dirname "$0")/lib.sh"

start_devsim --config "$(dirname "$0")/details.conf"
"$NATIVE_BIN/details_integration_test"
run_wine "$WINDOWS_BIN/details_integration_test.exe"

# Each query: device info, network info, share count, pages 0 and 1, USB info, addressed by MAC.
mac=025a00000020
expected=$(printf '%s\n' "100000000000$mac" "120000000000$mac" "200000000000$mac" \
    "210000000100${mac}00" "210000000100${mac}01" "140000000000$mac")
queries=$(logged in | grep -v '^000000000000000000000000$' | sort -u)
[ "$queries" = "$(printf '%s\n' "$expected" | sort)" ] || fail "unexpected requests: $queries"
first_run=$(logged in | grep -v '^000000000000000000000000$' | head -n 6)
[ "$first_run" = "$expected" ] || fail "requests out of order: $first_run"

"$NATIVE_BIN/zerin-cli" show 02:5a:00:00:00:20 > "$WORK/show.txt"
cat > "$WORK/expected.txt" <<'TEXT'
Name: NETSTOR-000020
Description: Integration shelf 0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGH
MAC address: 02:5a:00:00:00:20
IP address: 198.51.100.20
Mode: DHCP
Subnet mask: 255.255.255.0
Default gateway: 198.51.100.1
DNS servers: 198.51.100.1, 192.168.100.200
Clock: 2009-10-14T09:30:05
Time zone: 56 (GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi
Guarded: yes, it asks for its administrator's password
Firmware: V02R04
Product code: 0101
Shares: Share01, Share02, Share03, Share04, Share05, Share06, Share07, Share08, Share09, Share10, Share11, Share12, Share13, Share14, Share15, Share16, Share17, Share18, Share19, Share20, Share21, Share22, Share23, Share24, Share25
USB storage:
TEXT
printf '  SHARE\tDEVICE ID\tFILE SYSTEM\tSIZE (MB)\tFREE SPACE\n' >> "$WORK/expected.txt"
printf '  Share01\tUSB2-0000A1B2C3D\tNTFS\t4294967295\t7%%\n' >> "$WORK/expected.txt"
printf '  Share02\tUSB1_DISK1\tFAT32\t2147483648\t-1%%\n' >> "$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/show.txt" >&2 || fail "zerin-cli show printed other details"

"$NATIVE_BIN/zerin-cli" show NETSTOR-000020 --json > "$WORK/show.json"
grep -q '"shareCount":25,' "$WORK/show.json" || fail "zerin-cli show --json: $(cat "$WORK/show.json")"

status=0
"$NATIVE_BIN/zerin-cli" show NO-SUCH-DEVICE 2> "$WORK/missing.txt" || status=$?
[ "$status" -eq 2 ] && grep -q . "$WORK/missing.txt" || fail "an unknown device gave status $status"
echo "details: ok"
