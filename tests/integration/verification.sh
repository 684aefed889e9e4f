#!/bin/sh
# Where zerin-cli sends the administrator's password (scripts/netns-two-adapters, the simulator
# behind zerin0 logging each request's destination): verify, set-device and apply send it to a
# device in the subnet by unicast; a device with a foreign address gets it by broadcast with a
# warning, or not at all with --no-broadcast-password.
. "$(dirname "$0")/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
nsenter -t "$ZERIN_FAR1_PID" -n ip addr add 198.51.100.80/24 dev zerin0far
start_far_devsim "$ZERIN_FAR1_PID" first --config "$(dirname "$0")/verification.conf"
log="$WORK/first.log"
export ZERIN_PASSWORD=secret

[ "$("$cli" verify NETSTOR-000080 --user admin 2> "$WORK/err")" = accepted ] ||
    fail "verify NETSTOR-000080: $(cat "$WORK/err")"
[ "$("$cli" set-device NETSTOR-000080 --user admin --description Unicast 2>> "$WORK/err")" = \
    accepted ] || fail "set-device NETSTOR-000080: $(cat "$WORK/err")"
printf '{"devices": [{"name": "NETSTOR-000080", "description": "Applied"}]}\n' > "$WORK/apply.json"
"$cli" apply "$WORK/apply.json" --user admin 2>> "$WORK/err" | grep -q ' applied: ' ||
    fail "apply NETSTOR-000080: $(cat "$WORK/err")"
[ "$(sent_to 15 "$log" | tr '\n' ' ')" = "198.51.100.80 198.51.100.80 198.51.100.80 " ] ||
    fail "the password of a device in the subnet went to: $(sent_to 15 "$log")"
[ ! -s "$WORK/err" ] || fail "warned about a device in the subnet: $(cat "$WORK/err")"

[ "$("$cli" verify NETSTOR-000081 --user admin 2> "$WORK/err")" = accepted ] ||
    fail "verify NETSTOR-000081: $(cat "$WORK/err")"
[ "$(cat "$WORK/err")" = "zerin-cli: NETSTOR-000081 has an address outside this network: its administrator password is sent as a broadcast" ] ||
    fail "the broadcast was not said: $(cat "$WORK/err")"
[ "$(sent_to 15 "$log" | tail -n 1)" = 255.255.255.255 ] || fail "a foreign device's verification"
status=0
"$cli" set-device NETSTOR-000081 --user admin --description Refused --no-broadcast-password \
    2> "$WORK/err" || status=$?
[ "$status" -eq 2 ] && grep -q 'not sent as a broadcast, nothing written$' "$WORK/err" ||
    fail "--no-broadcast-password gave status $status: $(cat "$WORK/err")"
[ "$(sent_to 15 "$log" | wc -l)" -eq 4 ] || fail "a refused verification went out"
echo "verification: ok"
