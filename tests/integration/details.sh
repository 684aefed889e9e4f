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
Firmware Version: V02R04
Description: Integration shelf 0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGH
Mac Address: 02:5a:00:00:00:20
IP Address: 198.51.100.20
IP Status: DHCP
TEXT
for i in 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25; do
    echo "Share: Share$i" >> "$WORK/expected.txt"
done
printf 'Share Name\tDevice Id\tFS Type\tTotal Size(MB)\tFree Space\n' >> "$WORK/expected.txt"
printf 'Share01\tUSB2-0000A1B2C3D\tNTFS\t4294967295\t7%%\n' >> "$WORK/expected.txt"
printf 'Share02\tUSB1_DISK1\tFAT32\t2147483648\t-1%%\n' >> "$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/show.txt" >&2 || fail "zerin-cli show printed other details"

"$NATIVE_BIN/zerin-cli" show NETSTOR-000020 --json > "$WORK/show.json"
grep -q '"shareCount":25,' "$WORK/show.json" || fail "zerin-cli show --json: $(cat "$WORK/show.json")"

status=0
"$NATIVE_BIN/zerin-cli" show NO-SUCH-DEVICE 2> "$WORK/missing.txt" || status=$?
[ "$status" -eq 2 ] && grep -q . "$WORK/missing.txt" || fail "an unknown device gave status $status"
echo "details: ok"
