#!/bin/sh
# The search through every adapter timed, run by scripts/bench inside scripts/netns-two-adapters on
# a virtual display, with a third adapter added whose far end has no device: zerin-cli search's
# wall time with the default window through three adapters, and the time from Zerin.exe's start to
# its window shown with the devices listed, with one adapter up and with three (medians of RUNS).
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tests/e2e/lib.sh"
runs=${1:-5}

# A third adapter, zerin5 (203.0.113.129/25), whose far end is in a namespace of its own.
unshare -n sleep infinity > /dev/null 2>&1 &
holder=$!
trap 'kill "$holder"; cleanup' EXIT
until [ "$(readlink "/proc/$holder/ns/net")" != "$(readlink /proc/self/ns/net)" ]; do sleep 0.01; done
ip link add zerin5 type veth peer name zerin5far
ip link set zerin5far netns "$holder"
nsenter -t "$holder" -n ip link set zerin5far up
ip addr add 203.0.113.129/25 dev zerin5
ip link set zerin5 up

conf="$ROOT/tests/integration"
start_far_devsim "$ZERIN_FAR1_PID" first --config "$conf/adapters_first.conf"
start_far_devsim "$ZERIN_FAR2_PID" second --config "$conf/adapters_second.conf"
ready_wine_prefix

# seconds START END
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f\n", b - a }'; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# listed COUNT: seconds from Zerin.exe's start to its window shown listing COUNT devices.
listed() {
    start=$(date +%s.%N)
    run_wine "$WINDOWS_BIN/Zerin.exe" &
    zerin=$!
    drive wait "$MAIN_TITLE" 60 || fail "the main window did not appear"
    end=$(date +%s.%N)
    [ "$(drive lines "$MAIN_TITLE" 1001 | wc -l)" -eq "$1" ] || fail "Zerin.exe listed otherwise"
    drive close "$MAIN_TITLE"
    wait "$zerin"
    seconds "$start" "$end"
}

start=$(date +%s.%N)
[ "$("$NATIVE_BIN/zerin-cli" search | wc -l)" -eq 3 ] || fail "zerin-cli search listed otherwise"
printf '  %-48s %6.2f s\n' "zerin-cli search, three adapters" "$(seconds "$start" "$(date +%s.%N)")"

listed 3 > /dev/null  # Wine's first start in the prefix is slower than the rest
three=$(for i in $(seq "$runs"); do listed 3; done | median)
ip link set zerin2 down
ip link set zerin5 down
one=$(for i in $(seq "$runs"); do listed 2; done | median)
printf '  %-48s %6.2f s\n' "Zerin.exe, start to devices listed, one adapter" "$one" \
    "Zerin.exe, the same, three adapters" "$three"
echo "  difference: $(seconds "$one" "$three") s"
