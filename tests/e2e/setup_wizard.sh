#!/bin/sh
# The setup wizard end to end: Zerin.exe under Wine asks for the simulated device's administrator
# password, refuses a wrong one, then writes a new description, time zone and static addresses
# through the wizard. The simulator logs exactly the requests the pages make and keeps the new
# settings, and the refreshed device list shows them once the device is selected again.
. "$(dirname "$0")/lib.sh"

WIZARD=Wizard
VERIFY=Verify
MESSAGE=Zerin
mac=025a00000011  # NETSTOR-000011 asks for admin / secret

# hex_field TEXT WIDTH: the text's bytes as hex, zero-filled to the field's width.
hex_field() {
    hex=$(printf '%s' "$1" | od -An -tx1 | tr -d ' \n')
    while [ ${#hex} -lt $(($2 * 2)) ]; do hex="${hex}00"; done
    printf '%s' "$hex"
}

# Waits until the control shows the text, for at most ten seconds.
wait_for_text() {
    tries=0
    until [ "$(drive text "$1" "$2")" = "$3" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || fail "$1 $2: expected [$3], got [$(drive text "$1" "$2")]"
        sleep 0.1
    done
}

start_devsim
start_zerin
drive select "$MAIN_TITLE" 1001 1
drive click "$MAIN_TITLE" 1007
drive wait "$VERIFY" 30 || fail "the Verify dialog did not appear"

drive set "$VERIFY" 1065 admin
drive set "$VERIFY" 1066 guess
drive click "$VERIFY" 1069
drive wait "$MESSAGE" 30 || fail "a wrong password was not refused"
expect_eq "refusal" "Verify failed!" "$(drive text "$MESSAGE" 65535)"
drive click "$MESSAGE" 1
drive gone "$MESSAGE" 10 || fail "the refusal did not close"
expect_eq "name kept" "admin" "$(drive text "$VERIFY" 1065)"
drive set "$VERIFY" 1066 secret
drive click "$VERIFY" 1069
drive wait "$WIZARD" 30 || fail "the wizard did not open after the right password"

expect_eq "description shown" "Media shelf - living room" "$(drive text "$WIZARD" 1029)"
drive set "$WIZARD" 1029 "Shelf 2 - office"
drive choose "$WIZARD" 1062 27
drive click "$WIZARD" 1022
drive shown "$WIZARD" 1045 30 || fail "the network settings page did not come"
expect_eq "DHCP address kept" "198.51.100.11" "$(drive text "$WIZARD" 1050)"
drive choose "$WIZARD" 1045 0
drive address "$WIZARD" 1050 198.51.100.111
drive address "$WIZARD" 1051 255.255.255.0
drive address "$WIZARD" 1052 198.51.100.1
drive address "$WIZARD" 1053 198.51.100.53
drive address "$WIZARD" 1054 198.51.100.54
drive click "$WIZARD" 1022
wait_for_text "$WIZARD" 1022 "&Finished"
drive click "$WIZARD" 1022
drive gone "$WIZARD" 30 || fail "Finished did not close the wizard"

# The list was searched again; the device, selected anew, reports what was written.
drive select "$MAIN_TITLE" 1001 1
expect_eq "new description" "Shelf 2 - office" "$(drive text "$MAIN_TITLE" 1018)"
expect_eq "new address" "198.51.100.111" "$(drive text "$MAIN_TITLE" 1017)"
expect_eq "static now" "Static ip" "$(drive text "$MAIN_TITLE" 1043)"
stop_zerin

verify() { printf '150000002000%s%s%s' "$mac" "$(hex_field admin 16)" "$(hex_field "$1" 16)"; }
expect_eq "verifications" "$(verify guess)
$(verify secret)" "$(logged in | grep '^1500')"
expect_eq "device settings" "110000006000${mac}01$(hex_field NETSTOR-000011 16)$(
    hex_field 'Shelf 2 - office' 64)$(hex_field 20231130214500 14)1b" "$(logged in | grep '^1100')"
expect_eq "network settings" "130000004c00${mac}00$(hex_field 198.51.100.111 15)$(
    hex_field 255.255.255.0 15)$(hex_field 198.51.100.1 15)$(hex_field 198.51.100.53 15)$(
    hex_field 198.51.100.54 15)" "$(logged in | grep '^1300')"

"$NATIVE_BIN/zerin-cli" show NETSTOR-000011 --json > "$WORK/show.json"
for field in '"passwordFlag":1' '"timeZoneIndex":27' '"deviceDate":"20231130"' \
    '"deviceTime":"214500"' '"ipStatus":0' '"secondaryDns":"198.51.100.54"'; do
    grep -qF "$field" "$WORK/show.json" || fail "expected $field in $(cat "$WORK/show.json")"
done
echo "setup wizard end to end: ok"
