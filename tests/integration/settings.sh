#!/bin/sh
# Verification and the settings updates against the simulated device of settings.conf over real
# sockets: the protocol core natively and under Wine, then the same through zerin-cli.
. "$(dirname "$0")/lib.sh"

start_devsim --config "$(dirname "$0")/settings.conf"
"$NATIVE_BIN/settings_integration_test"
run_wine "$WINDOWS_BIN/settings_integration_test.exe"

cli="$NATIVE_BIN/zerin-cli"
status=0
"$cli" verify NETSTOR-000030 --user admin --password guess > "$WORK/verify.txt" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "a wrong password gave status $status"
grep -q 'Verify failed!' "$WORK/verify.txt" || fail "no refusal: $(cat "$WORK/verify.txt")"
[ "$("$cli" verify NETSTOR-000030 --user admin --password secret)" = accepted ] ||
    fail "the right password was not accepted"

"$cli" set-device NETSTOR-000030 --description "Set from the CLI" --date 2037-12-31 \
    --time 23:59:58 --ask-password yes > /dev/null
"$cli" set-network NETSTOR-000030 --static --ip 198.51.100.31 > /dev/null
"$cli" show NETSTOR-000030 --json > "$WORK/show.json"
for field in '"description":"Set from the CLI"' '"deviceDate":"20371231"' \
    '"deviceTime":"235958"' '"passwordFlag":1' '"timeZoneIndex":74' '"ipStatus":0' \
    '"ipAddress":"198.51.100.31"' '"primaryDns":"192.168.100.200"'; do
    grep -qF "$field" "$WORK/show.json" || fail "expected $field in $(cat "$WORK/show.json")"
done
echo "settings: ok"
