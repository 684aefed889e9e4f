#!/bin/sh
# zerin-cli with two adapters on two subnets (scripts/netns-two-adapters), a simulator behind each:
# every device found once with the adapter that heard it, a foreign address answering by broadcast
# included; --adapter narrowing the search; a device behind the second adapter read and written;
# zerin-cli.exe under Wine finding the same; the broadcast device written by both builds; a
# watch's first events; -v telling a silent adapter.
. "$(dirname "$0")/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
start_far_devsim "$ZERIN_FAR1_PID" first --config "$(dirname "$0")/adapters_first.conf"
# The guarded device behind zerin2 takes its verification at its own address.
nsenter -t "$ZERIN_FAR2_PID" -n ip addr add 203.0.113.60/24 dev zerin2far
start_far_devsim "$ZERIN_FAR2_PID" second --config "$(dirname "$0")/adapters_second.conf"
second_devsim=${FAR_DEVSIM_PIDS##* }

"$cli" adapters --json > "$WORK/adapters.json"
[ "$(cat "$WORK/adapters.json")" = '[{"name":"zerin0","address":"198.51.100.1","prefixLength":24,"broadcast":"198.51.100.255"},{"name":"zerin2","address":"203.0.113.1","prefixLength":24,"broadcast":"203.0.113.255"}]' ] ||
    fail "adapters: $(cat "$WORK/adapters.json")"

"$cli" search | sort > "$WORK/search.txt"
printf '%s\t%s\t%s\t%s\n' NETSTOR-000050 02:5a:00:00:00:50 198.51.100.50 zerin0 \
    NETSTOR-000051 02:5a:00:00:00:51 192.0.2.51 zerin0 \
    NETSTOR-000060 02:5a:00:00:00:60 203.0.113.60 zerin2 > "$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/search.txt" >&2 || fail "search found otherwise"
# Each simulator heard the search sent twice, each time to 255.255.255.255 and to its subnet's
# broadcast.
for far in first second; do
    [ "$(logged in "$WORK/$far.log" | wc -l)" -eq 4 ] || fail "$far: $(cat "$WORK/$far.log")"
done

"$cli" search --adapter zerin2 --json > "$WORK/second.json"
[ "$(cat "$WORK/second.json")" = '[{"name":"NETSTOR-000060","mac":"02:5a:00:00:00:60","ip":"203.0.113.60","productCode":"0101","adapter":{"name":"zerin2","address":"203.0.113.1"}}]' ] ||
    fail "search --adapter zerin2: $(cat "$WORK/second.json")"
[ "$("$cli" search --adapter 198.51.100.1 --csv | cut -d, -f1 | tr -d '\r' | tr '\n' ' ')" = \
    "name NETSTOR-000050 NETSTOR-000051 " ] || fail "search --adapter 198.51.100.1 --csv"
status=0
"$cli" search --adapter wlan0 2> "$WORK/err" || status=$?
[ "$status" -eq 2 ] && grep -qF "the adapters: zerin0 (198.51.100.1), zerin2 (203.0.113.1)" \
    "$WORK/err" || fail "an unknown adapter gave status $status: $(cat "$WORK/err")"

# The device behind the second adapter, read and written through it.
"$cli" show NETSTOR-000060 | grep -qx "Description: Second shelf" || fail "show NETSTOR-000060"
printf 'secret\n' | "$cli" set-device NETSTOR-000060 --user admin --password-stdin \
    --description "Behind the second" > "$WORK/out"
[ "$(cat "$WORK/out")" = accepted ] || fail "set-device NETSTOR-000060: $(cat "$WORK/out")"
"$cli" show NETSTOR-000060 --adapter zerin2 | grep -qx "Description: Behind the second" ||
    fail "the description was not written"
[ "$(logged in "$WORK/first.log" | grep -vc '^000000000000000000000000$')" -eq 0 ] ||
    fail "requests for the second adapter's device reached the first's"

run_wine "$WINDOWS_BIN/zerin-cli.exe" search < /dev/null | sort > "$WORK/windows.txt"
diff "$WORK/expected.txt" "$WORK/windows.txt" >&2 || fail "zerin-cli.exe search found otherwise"

# NETSTOR-000051 has no route back and answers by broadcast: written by both builds all the same.
"$cli" set-device NETSTOR-000051 --description "Lost and found" > "$WORK/out" ||
    fail "set-device NETSTOR-000051: $(cat "$WORK/out")"
run_wine "$WINDOWS_BIN/zerin-cli.exe" show NETSTOR-000051 < /dev/null |
    grep -qx "Description: Lost and found" || fail "zerin-cli.exe show NETSTOR-000051"
run_wine "$WINDOWS_BIN/zerin-cli.exe" set-device NETSTOR-000051 --description "Found again" \
    < /dev/null > "$WORK/out" || fail "zerin-cli.exe set-device: $(cat "$WORK/out")"
"$cli" show NETSTOR-000051 | grep -qx "Description: Found again" ||
    fail "zerin-cli.exe did not write NETSTOR-000051"
printf '{"devices": [{"name": "NETSTOR-000051", "description": "Applied"}]}' > "$WORK/fleet.json"
"$cli" apply "$WORK/fleet.json" --json > "$WORK/out" &&
    grep -qF '"status":"applied"' "$WORK/out" || fail "apply NETSTOR-000051: $(cat "$WORK/out")"

"$cli" search --watch --count 2 --interval 0 --window 0.5 --json > "$WORK/watch.json"
[ "$(grep -c '"event":"appeared"}$' "$WORK/watch.json")" -eq 3 ] &&
    [ "$(wc -l < "$WORK/watch.json")" -eq 3 ] || fail "watch: $(cat "$WORK/watch.json")"
# A watch prints each event as it comes, and a SIGTERM ends it with status 0.
: > "$WORK/watch.txt"
"$cli" search --watch --interval 0 --window 0.3 >> "$WORK/watch.txt" &
watcher=$!
tries=0
until [ "$(wc -l < "$WORK/watch.txt")" -eq 3 ]; do
    tries=$((tries + 1))
    [ "$tries" -le 200 ] || fail "the watch printed: $(cat "$WORK/watch.txt")"
    sleep 0.05
done
kill -TERM "$watcher"
status=0
wait "$watcher" || status=$?
[ "$status" -eq 0 ] || fail "a watch ended by SIGTERM gave status $status"
grep -qx "+ NETSTOR-000060 02:5a:00:00:00:60 203.0.113.60 zerin2" "$WORK/watch.txt" ||
    fail "watch: $(cat "$WORK/watch.txt")"

# With nothing behind the second adapter, -v tells a silent adapter from a silent network.
kill "$second_devsim" && wait "$second_devsim" 2>/dev/null || true
"$cli" search -v > /dev/null 2> "$WORK/verbose.txt"
grep -qx "zerin-cli: zerin2 (203.0.113.1): search request sent to 255.255.255.255 and 203.0.113.255" \
    "$WORK/verbose.txt" && grep -qx "zerin-cli: no answer through zerin2: is UDP port 1638 allowed in?" \
    "$WORK/verbose.txt" && ! grep -q "no answer through zerin0" "$WORK/verbose.txt" ||
    fail "search -v: $(cat "$WORK/verbose.txt")"
echo "adapters: ok"
