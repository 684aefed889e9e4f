#!/bin/sh
# Zerin.exe with two adapters on two subnets (scripts/netns-two-adapters): every device behind
# both listed once; the guarded device behind the second adapter shown and its description
# written through the wizard, its administrator's password sent to its own address alone; the
# device that answers by broadcast found and written too. With one adapter left, the search and
# the detail requests are the bytes they always were.
. "$(dirname "$0")/lib.sh"

conf="$ROOT/tests/integration"
start_far_devsim "$ZERIN_FAR1_PID" first --config "$conf/adapters_first.conf"
nsenter -t "$ZERIN_FAR2_PID" -n ip addr add 203.0.113.60/24 dev zerin2far
start_far_devsim "$ZERIN_FAR2_PID" second --config "$conf/adapters_second.conf"

# select_device NAME: selects the device's line, as a click on it does.
select_device() {
    line=$(drive lines "$MAIN_TITLE" 1001 | grep -nx "$1" | cut -d: -f1)
    [ -n "$line" ] || fail "$1 is not listed"
    drive select "$MAIN_TITLE" 1001 $((line - 1))
}

# describe NAME DESCRIPTION [PASSWORD]: writes the description through the wizard, after the
# administrator's verification when a password is given; the network page skipped.
describe() {
    select_device "$1"
    drive click "$MAIN_TITLE" 1007
    if [ $# -eq 3 ]; then
        drive wait Verify 30 || fail "the Verify dialog did not appear for $1"
        drive set Verify 1065 admin
        drive set Verify 1066 "$3"
        drive click Verify 1069
    fi
    drive wait Wizard 30 || fail "the wizard did not open for $1"
    drive set Wizard 1029 "$2"
    drive click Wizard 1022
    drive shown Wizard 1045 30 || fail "the network settings page did not come for $1"
    drive click Wizard 1070
    drive click Wizard 1022
    drive gone Wizard 30 || fail "the wizard did not close for $1"
}

start_zerin
expect_eq "device list" "NETSTOR-000050
NETSTOR-000051
NETSTOR-000060" "$(drive lines "$MAIN_TITLE" 1001 | sort)"

select_device NETSTOR-000060
expect_eq "description" "Second shelf" "$(drive text "$MAIN_TITLE" 1018)"
expect_eq "IP address" "203.0.113.60" "$(drive text "$MAIN_TITLE" 1017)"
describe NETSTOR-000060 "Written through zerin2" secret
expect_eq "where the password went" 203.0.113.60 "$(sent_to 15 "$WORK/second.log")"
describe NETSTOR-000051 "Found by broadcast"
for device in "NETSTOR-000060 Written through zerin2" "NETSTOR-000051 Found by broadcast"; do
    select_device "${device%% *}"
    expect_eq "description of ${device%% *}" "${device#* }" "$(drive text "$MAIN_TITLE" 1018)"
done
[ "$(logged in "$WORK/first.log" | grep -c '^1[0-9a-f]*025a00000060')" -eq 0 ] ||
    fail "requests for the second adapter's device reached the first's"

# One adapter left: the search and the detail requests as they always were.
ip link set zerin2 down
before=$(logged in "$WORK/first.log" | wc -l)
drive click "$MAIN_TITLE" 1005
tries=0
until [ "$(drive lines "$MAIN_TITLE" 1001 | wc -l)" -eq 2 ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "the refreshed list: $(drive lines "$MAIN_TITLE" 1001)"
    sleep 0.1
done
select_device NETSTOR-000050
stop_zerin
mac=025a00000050
expect_eq "requests through one adapter" "000000000000000000000000
000000000000000000000000
100000000000${mac}
120000000000${mac}
200000000000${mac}
140000000000${mac}" "$(logged in "$WORK/first.log" | tail -n +$((before + 1)))"
echo "adapters end to end: ok"
