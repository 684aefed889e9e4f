#!/bin/sh
# zerin-cli with devices behind a router (scripts/netns-routed): a broadcast search finds none of
# them; --target finds each once, via its own address, from both builds; show, set-device and
# apply with "targets" in its file reach them by unicast; a lossy device's lost search, detail
# request and write are each recovered by the second send.
. "$(dirname "$0")/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
nsenter -t "$ZERIN_FAR_PID" -n sh -c \
    'for last in 10 11 12 13; do ip addr add 203.0.113.$last/24 dev routed0far; done'
start_far_devsim "$ZERIN_FAR_PID" routed --config "$(dirname "$0")/routed.conf"
log="$WORK/routed.log"

# requests_since LINE COMMAND: how many requests of the command (its first byte, as hex) the far
# simulator logged after the line.
requests_since() {
    tail -n +"$(($1 + 1))" "$log" | awk -v c="$2" '$2 == "in" && substr($NF, 1, 4) == c "00"' |
        wc -l
}

[ -z "$("$cli" search)" ] || fail "a broadcast search crossed the router"
[ ! -s "$log" ] || fail "a broadcast reached the far network: $(cat "$log")"

"$cli" search --target 203.0.113.0/24 > "$WORK/search.txt"
for last in 0 1 2 3; do
    printf 'NETSTOR-00007%s\t02:5a:00:00:00:7%s\t203.0.113.1%s\tvia 203.0.113.1%s\n' \
        "$last" "$last" "$last" "$last"
done > "$WORK/expected.txt"
sort "$WORK/search.txt" | diff "$WORK/expected.txt" - >&2 || fail "search --target found otherwise"
run_wine "$WINDOWS_BIN/zerin-cli.exe" search --target 203.0.113.8-203.0.113.15 < /dev/null |
    sort > "$WORK/windows.txt"
diff "$WORK/expected.txt" "$WORK/windows.txt" >&2 || fail "zerin-cli.exe search --target"
[ "$("$cli" search --target 203.0.113.11 --no-broadcast --json)" = \
    '[{"name":"NETSTOR-000071","mac":"02:5a:00:00:00:71","ip":"203.0.113.11","productCode":"0101","via":"203.0.113.11"}]' ] ||
    fail "search --json gave no via"

# By MAC address, whose search ends at its answer: the lossy device below keeps its count.
"$cli" show 02:5a:00:00:00:70 --target 203.0.113.0/24 | grep -qx "Description: Routed shelf" ||
    fail "show across the router"
printf 'secret\n' | "$cli" set-device NETSTOR-000071 --target 203.0.113.11 --no-broadcast \
    --user admin --password-stdin --description "Across the router" > "$WORK/out"
[ "$(cat "$WORK/out")" = accepted ] || fail "set-device across the router: $(cat "$WORK/out")"
[ "$(sent_to 15 "$log")" = 203.0.113.11 ] || fail "the password went to: $(sent_to 15 "$log")"

printf '{"targets": ["203.0.113.10-203.0.113.12"], "devices": [
    {"name": "NETSTOR-000070", "description": "Applied across"},
    {"mac": "02:5a:00:00:00:72", "description": "Applied across"}]}\n' > "$WORK/apply.json"
"$cli" apply "$WORK/apply.json" --no-broadcast > "$WORK/apply.txt"
grep -c ' applied: description "Routed.*" -> "Applied across"$' "$WORK/apply.txt" | grep -qx 2 ||
    fail "apply with targets: $(cat "$WORK/apply.txt")"

# The lossy device: each loss made good by the second send, and --retries 0 gives up.
before=$(wc -l < "$log")
"$cli" search --target 203.0.113.13 --no-broadcast | grep -q NETSTOR-000073 ||
    fail "the lost search was not made good"
[ "$(requests_since "$before" 00)" -eq 2 ] || fail "the search did not go twice"
before=$(wc -l < "$log")
"$cli" show NETSTOR-000073 --target 203.0.113.13 --timeout 0.3 | grep -qx "Description: Lossy link" ||
    fail "the lost device information request was not made good"
[ "$(requests_since "$before" 10)" -eq 2 ] || fail "the device information request did not go twice"
"$cli" set-device NETSTOR-000073 --target 203.0.113.13 --timeout 0.3 --description Mended |
    grep -qx accepted || fail "the lost write was not made good"
"$cli" show NETSTOR-000073 --target 203.0.113.13 --timeout 0.3 | grep -qx "Description: Mended" ||
    fail "the write sent twice did not hold"
status=0
"$cli" show NETSTOR-000073 --target 203.0.113.13 --timeout 0.3 --retries 0 > /dev/null 2>&1 ||
    status=$?
[ "$status" -eq 1 ] || fail "show --retries 0 on a lossy link gave status $status"
echo "routed: ok"
