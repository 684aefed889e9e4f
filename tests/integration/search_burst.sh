#!/bin/sh
# Simulated devices answering one search at once: a thousand, every answer listed by the window's
# search, which still ends about two seconds after it starts; ten thousand, each listed once by
# zerin-cli, whose search waits for its socket and drains it instead of sleeping through the burst.
. "$(dirname "$0")/lib.sh"

printf '# no configured devices: only the generated ones answer\n' > "$WORK/empty.conf"
start_devsim --config "$WORK/empty.conf" --burst 1000
ZERIN_EXPECTED_COUNT=1000 ZERIN_MAX_SEARCH_MS=2500 "$NATIVE_BIN/search_integration_test"
stop_devsim

start_devsim --burst 9999 --log /dev/null
"$NATIVE_BIN/zerin-cli" search --adapter zerin0 > "$WORK/search.txt"
[ "$(wc -l < "$WORK/search.txt")" -eq 10002 ] && [ "$(cut -f2 "$WORK/search.txt" | sort -u | wc -l)" -eq 10002 ] ||
    fail "zerin-cli listed $(wc -l < "$WORK/search.txt") lines for 10002 devices"
echo "search burst: ok"
