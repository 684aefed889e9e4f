#!/bin/sh
# zerin-cli apply against the simulated devices of apply.conf with apply.json: a dry run sends no
# write and no verification; an apply writes every answering device, the guarded one after its
# verification, and reports the silent and the absent one; a second apply sends no write. Then the
# other statuses, a network that fails after the search, a bad file, and Ctrl-C during a run.
. "$(dirname "$0")/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
file="$(dirname "$0")/apply.json"
start_devsim --config "$(dirname "$0")/apply.conf"
printf 'secret\n' > "$WORK/password"

# writes_and_verifications: how many set device, set network and verify requests came in.
writes_and_verifications() {
    logged in | grep -Ec '^(11|13|15)00' || true
}

# apply_status EXPECTED [OPTIONS]: runs apply with --json into $WORK/out and checks its status.
apply_status() {
    want=$1
    shift
    got=0
    "$cli" apply "$file" --timeout 0.5 --json "$@" < /dev/null > "$WORK/out" 2> "$WORK/err" ||
        got=$?
    [ "$got" -eq "$want" ] || fail "apply $* gave status $got: $(cat "$WORK/err")"
}

# statuses: the entries' statuses, one word list.
statuses() {
    grep -o '"status":"[^"]*"' "$WORK/out" | cut -d'"' -f4 | tr '\n' ',' | tr ' ' '_'
}

apply_status 1 --dry-run
[ "$(statuses)" = "would_change,would_change,no_answer,not_found," ] ||
    fail "dry run: $(cat "$WORK/out")"
grep -qF '{"field":"description","from":"Old name","to":"Front desk"}' "$WORK/out" ||
    fail "dry run plan: $(cat "$WORK/out")"
[ "$(writes_and_verifications)" -eq 0 ] || fail "the dry run wrote or verified"

apply_status 1 --user admin --password-file "$WORK/password"
[ "$(statuses)" = "applied,applied,no_answer,not_found," ] || fail "apply: $(cat "$WORK/out")"
[ "$(logged in | grep -c '^1500')" -eq 1 ] || fail "the guarded device was not verified once"
"$cli" show NETSTOR-000071 --json > "$WORK/show.json"
for field in '"description":"Lab shelf"' '"timeZoneIndex":56' '"ipStatus":0' \
    '"ipAddress":"198.51.100.171"'; do
    grep -qF "$field" "$WORK/show.json" || fail "expected $field in $(cat "$WORK/show.json")"
done

before=$(writes_and_verifications)
apply_status 1 --user admin --password-file "$WORK/password"
[ "$(statuses)" = "unchanged,unchanged,no_answer,not_found," ] || fail "again: $(cat "$WORK/out")"
[ "$(writes_and_verifications)" -eq "$before" ] || fail "the second apply wrote"

# The statuses apply.json never gives: an entry's own user and passwordFile, refused when the
# password is wrong and applied when it is right; a device that takes a write and forgets it,
# unconfirmed; two entries naming one device, refused before any write.
printf 'guess\n' > "$WORK/wrong"
# more PASSWORD_FILE: a file with the guarded device's entry and the forgetful device's.
more() {
    printf '{"devices": [{"name": "NETSTOR-000071", "description": "Own password", "user": "admin",
        "passwordFile": "%s"}, {"name": "NETSTOR-000073", "description": "Forgotten"}]}' "$1" \
        > "$WORK/more.json"
}
fleet=$file
file="$WORK/more.json"
more "$WORK/wrong"
apply_status 1
[ "$(statuses)" = "refused,unconfirmed," ] || fail "more: $(cat "$WORK/out")"
more "$WORK/password"
apply_status 1
[ "$(statuses)" = "applied,unconfirmed," ] || fail "more again: $(cat "$WORK/out")"
printf '{"devices": [{"name": "NETSTOR-000070", "description": "One"},
    {"mac": "02:5a:00:00:00:70", "description": "Two"}]}' > "$WORK/twice.json"
before=$(writes_and_verifications)
file="$WORK/twice.json"
apply_status 2
grep -qF "devices[1] (02:5a:00:00:00:70) names the device of devices[0] (NETSTOR-000070)" \
    "$WORK/err" && [ "$(writes_and_verifications)" -eq "$before" ] ||
    fail "two entries for one device: $(cat "$WORK/err")"
file=$fleet

# Requests after the search cannot be sent, as the namespace's firewall drops them: each entry
# that got that far says the network failed, and apply ends with status 4.
nft add table ip zerin
nft add chain ip zerin out '{ type filter hook output priority 0; }'
nft add rule ip zerin out udp dport 1638 @th,64,16 != 0 drop
apply_status 4 --user admin --password-file "$WORK/password"
nft delete table ip zerin
[ "$(grep -c 'the network failed: a request could not be sent' "$WORK/out")" -eq 1 ] &&
    [ "$(grep -o '"error":"[^"]*the network failed' "$WORK/out" | wc -l)" -eq 3 ] ||
    fail "a failed network: $(cat "$WORK/out")"

# A bad file: status 2, nothing sent, not even the search.
status=0
requests=$(logged in | wc -l)
printf '{"devices": [{"name": "A", "timeZone": 99}]}' > "$WORK/bad.json"
"$cli" apply "$WORK/bad.json" 2> "$WORK/err" || status=$?
[ "$status" -eq 2 ] && grep -qF "devices[0] (A): timeZone takes an index from 0 to 74" \
    "$WORK/err" || fail "a bad file gave status $status: $(cat "$WORK/err")"
[ "$(logged in | wc -l)" -eq "$requests" ] || fail "a bad file sent requests"

# Ctrl-C while the first of four slow devices is written: that entry finishes its write and its
# read-back, no other starts, the results so far are printed and the status is 130; the simulator
# saw the one write.
stop_devsim
for i in 1 2 3 4; do
    printf '[device]\nname = SLOW-%d\nmac = 02:5a:00:03:00:0%d\nip = 198.51.100.8%d\n' "$i" "$i" "$i"
    printf 'fault = delay:700@get_device_info\n'
done > "$WORK/slow.conf"
start_devsim --config "$WORK/slow.conf"
printf '{"defaults": {"description": "Stopped"}, "devices": [%s]}' \
    '{"name": "SLOW-1"}, {"name": "SLOW-2"}, {"name": "SLOW-3"}, {"name": "SLOW-4"}' \
    > "$WORK/slow.json"
writes=$(logged in | grep -c '^1100')
"$cli" apply "$WORK/slow.json" --jobs 1 --json < /dev/null > "$WORK/out" 2> "$WORK/err" &
applying=$!
tries=0
until [ "$(logged in | grep -c '^1100')" -gt "$writes" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 200 ] || fail "no write came: $(cat "$WORK/err")"
    sleep 0.05
done
kill -INT "$applying"
status=0
wait "$applying" || status=$?
[ "$status" -eq 130 ] && [ "$(statuses)" = "applied,not_started,not_started,not_started," ] ||
    fail "an interrupted apply gave status $status: $(cat "$WORK/out") $(cat "$WORK/err")"
[ "$(logged in | grep -c '^1100')" -eq $((writes + 1)) ] &&
    logged in | grep '^1100' | tail -n 1 | grep -q '^110000006000025a00030001' ||
    fail "the writes: $(logged in | grep '^1100')"
echo "apply: ok"
