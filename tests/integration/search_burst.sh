#!/bin/sh
# A thousand simulated devices answering one search at once: every answer is listed and the
# search still ends about two seconds after it starts.
. "$(dirname "$0")/lib.sh"

printf '# no configured devices: only the generated ones answer\n' > "$WORK/empty.conf"
start_devsim --config "$WORK/empty.conf" --burst 1000
ZERIN_EXPECTED_COUNT=1000 ZERIN_MAX_SEARCH_MS=2500 "$NATIVE_BIN/search_integration_test"
echo "search burst: ok"
