#!/bin/sh
# zerin-cli export against the simulated devices of export.conf: the file leaves the silent device
# out (status 1) and holds no password; apply of it changes nothing; after set-device changes two
# devices, apply of it puts their settings back. A DEVICE that is not found ends with status 2.
. "$(dirname "$0")/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
start_devsim --config "$(dirname "$0")/export.conf"
printf 'secret\n' > "$WORK/password"
backup="$WORK/backup.json"

# run EXPECTED COMMAND...: runs zerin-cli into $WORK/out and $WORK/err and checks its status.
run() {
    want=$1
    shift
    got=0
    "$cli" "$@" --timeout 0.5 < /dev/null > "$WORK/out" 2> "$WORK/err" || got=$?
    [ "$got" -eq "$want" ] || fail "$* gave status $got: $(cat "$WORK/err")"
}

# statuses: the entries' statuses of apply's JSON, one word list.
statuses() {
    grep -o '"status":"[^"]*"' "$WORK/out" | cut -d'"' -f4 | tr '\n' ',' | tr ' ' '_'
}

writes() {
    logged in | grep -Ec '^(11|13)00' || true
}

run 1 export --window 1 -o "$backup"
grep -qF "NETSTOR-000082 02:5a:00:00:00:82: no answer to the device information request, left out" \
    "$WORK/err" || fail "the silent device: $(cat "$WORK/err")"
[ "$(grep -c '"mac"' "$backup")" -eq 2 ] || fail "export: $(cat "$backup")"
for field in '"name": "NETSTOR-000080"' '"description": "Lab shelf"' '"mode": "dhcp"' \
    '"timeZone": 10' '"askPassword": true' '"ip": "198.51.100.80"'; do
    grep -qF "$field" "$backup" || fail "expected $field in $(cat "$backup")"
done
! grep -qE '"(password|passwordFile|user|clock)"' "$backup" ||
    fail "a password or a clock in $(cat "$backup")"

before=$(writes)
run 0 apply "$backup" --json
[ "$(statuses)" = "unchanged,unchanged," ] || fail "apply of the export: $(cat "$WORK/out")"
[ "$(writes)" -eq "$before" ] || fail "apply of the export wrote"

run 0 set-device NETSTOR-000080 --description Other --timezone 3
run 0 set-device NETSTOR-000081 --description Other --ask-password no --user admin \
    --password-file "$WORK/password"
run 0 apply "$backup" --json --user admin --password-file "$WORK/password"
[ "$(statuses)" = "applied,applied," ] || fail "apply after the changes: $(cat "$WORK/out")"
run 0 show NETSTOR-000080 --json
grep -qF '"description":"Front desk"' "$WORK/out" && grep -qF '"timeZoneIndex":10' "$WORK/out" ||
    fail "not put back: $(cat "$WORK/out")"
run 0 show NETSTOR-000081 --json
grep -qF '"description":"Lab shelf"' "$WORK/out" && grep -qF '"passwordFlag":1' "$WORK/out" ||
    fail "not put back: $(cat "$WORK/out")"

run 2 export NETSTOR-000080 NETSTOR-000099
grep -qF "no device named NETSTOR-000099 answered the search" "$WORK/err" &&
    [ "$(grep -c '"mac"' "$WORK/out")" -eq 1 ] || fail "a DEVICE not found: $(cat "$WORK/err")"

echo "export: ok"
