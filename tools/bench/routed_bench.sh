#!/bin/sh
# The sweep of a network behind a router timed, run by scripts/bench inside scripts/netns-routed:
# twenty simulated devices among the 256 addresses of 203.0.113.0/24, found by zerin-cli search
# --target with the default window and rate.
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tests/integration/lib.sh"

for i in $(seq 10 29); do
    printf '[device]\nname = ROUTED-%04d\nmac = 02:5a:00:04:00:%02x\nip = 203.0.113.%d\n' \
        "$i" "$i" "$i"
done > "$WORK/routed.conf"
nsenter -t "$ZERIN_FAR_PID" -n sh -c \
    'for i in $(seq 10 29); do ip addr add 203.0.113.$i/24 dev routed0far; done'
start_far_devsim "$ZERIN_FAR_PID" routed --config "$WORK/routed.conf"

start=$(date +%s.%N)
found=$("$NATIVE_BIN/zerin-cli" search --target 203.0.113.0/24 | wc -l)
end=$(date +%s.%N)
printf '  %-44s %6.2f s\n' "search --target 203.0.113.0/24, 20 devices" \
    "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')"
echo "  found: $found of 20"
