#!/bin/sh
# Two adapters on one network (scripts/netns-one-network, on a virtual display for Zerin.exe):
# each device is heard through both and listed once by zerin-cli, zerin-cli.exe and Zerin.exe;
# the device that answers by broadcast, whose answers reach both adapters, is read and written
# through the one that heard it first.
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
. "$ROOT/tests/e2e/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
start_far_devsim "$ZERIN_FAR_PID" far --config "$(dirname "$0")/one_network.conf"

# listed FILE: a search's lines sorted, each adapter column checked to be one of the two.
listed() {
    awk -F '\t' '$4 != "zerin0" && $4 != "zerin4" { exit 1 }' "$1" || fail "adapters: $(cat "$1")"
    cut -f 1-3 "$1" | sort
}

# far_neighbours ADDRESS_1_ADAPTER ADDRESS_4_ADAPTER: the far end reaches 198.51.100.1 and .4 at
# the MAC addresses of those adapters.
far_neighbours() {
    for pair in "1 $1" "4 $2"; do
        nsenter -t "$ZERIN_FAR_PID" -n ip neigh replace "198.51.100.${pair% *}" \
            lladdr "$(ip -br link show "${pair#* }" | awk '{ print $3 }')" dev zerinbr
    done
}

# Linux answers ARP for either address on either adapter, so an answer to one adapter's address
# may come in through the other; crossed here for certain, and zerin-cli takes them all the same.
far_neighbours zerin4 zerin0
"$cli" search -v > "$WORK/search.txt" 2> "$WORK/verbose.txt"
printf '%s\t%s\t%s\n' NETSTOR-000070 02:5a:00:00:00:70 198.51.100.70 \
    NETSTOR-000071 02:5a:00:00:00:71 192.0.2.71 > "$WORK/expected.txt"
listed "$WORK/search.txt" | diff "$WORK/expected.txt" - >&2 || fail "search listed otherwise"
for adapter in zerin0 zerin4; do
    [ "$(grep -c "^zerin-cli: $adapter heard NETSTOR-00007[01] " "$WORK/verbose.txt")" -eq 2 ] ||
        fail "-v through $adapter: $(cat "$WORK/verbose.txt")"
done

# Each of its answers reaches both adapters: the copy through the other adapter must not be taken
# as the answer to the next request.
shown() {
    "$cli" show NETSTOR-000071 > "$WORK/show.txt" 2>&1 || fail "show: $(cat "$WORK/show.txt")"
    grep -qx "Description: $1" "$WORK/show.txt" || fail "show: $(cat "$WORK/show.txt")"
}
shown "Lost shelf"
"$cli" set-device NETSTOR-000071 --description "Found shelf" > "$WORK/out" ||
    fail "set-device NETSTOR-000071: $(cat "$WORK/out")"
shown "Found shelf"

# Windows answers ARP for an address only on the adapter that has it, and Wine's socket tied to an
# adapter takes only what arrives there: from here on each address is reached at its own adapter.
far_neighbours zerin0 zerin4
run_wine "$WINDOWS_BIN/zerin-cli.exe" search < /dev/null > "$WORK/windows.txt"
listed "$WORK/windows.txt" | diff "$WORK/expected.txt" - >&2 ||
    fail "zerin-cli.exe search listed otherwise"

start_zerin
expect_eq "device list" "NETSTOR-000070
NETSTOR-000071" "$(drive lines "$MAIN_TITLE" 1001 | sort)"
line=$(drive lines "$MAIN_TITLE" 1001 | grep -n NETSTOR-000071 | cut -d: -f1)
drive select "$MAIN_TITLE" 1001 $((line - 1))
expect_eq "description" "Found shelf" "$(drive text "$MAIN_TITLE" 1018)"
expect_eq "IP address" "192.0.2.71" "$(drive text "$MAIN_TITLE" 1017)"
stop_zerin
echo "one network: ok"
