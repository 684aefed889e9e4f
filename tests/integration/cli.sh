#!/bin/sh
# zerin-cli as a script uses it, against the simulated devices of cli.conf over real sockets: the
# device's guard, no write from a lost reply, the first unanswered request ending the work, the
# exit statuses, zerin-cli.exe under Wine printing what the Linux build prints, and a search that
# cannot be sent or has no adapter to go through.
. "$(dirname "$0")/lib.sh"

cli="$NATIVE_BIN/zerin-cli"
start_devsim --config "$(dirname "$0")/cli.conf"

# expect STATUS COMMAND...: runs the command with no terminal on its input; its output in
# $WORK/out, its messages in $WORK/err.
expect() {
    want=$1
    shift
    got=0
    "$@" < /dev/null > "$WORK/out" 2> "$WORK/err" || got=$?
    [ "$got" -eq "$want" ] || fail "$* gave status $got, not $want: $(cat "$WORK/err")"
}

# requests_to COMMAND MAC: how many requests with the command (two hex digits) reached the
# device with the MAC (twelve hex digits).
requests_to() {
    logged in | grep -c "^${1}000000....$2" || true
}

said() {
    grep -qF -- "$1" "$WORK/err" || fail "expected '$1' among the messages: $(cat "$WORK/err")"
}

# The guard: no credentials, a wrong password, then the right one; nothing written until then.
expect 2 "$cli" set-network NETSTOR-000040 --dhcp
said "give --user NAME and --password-file FILE, --password-stdin"
printf 'guess\n' > "$WORK/wrong"
expect 3 "$cli" set-network NETSTOR-000040 --dhcp --user admin --password-file "$WORK/wrong"
said "did not accept the administrator name or password, nothing written"
[ "$(requests_to 13 025a00000040)" -eq 0 ] || fail "a network write went out unverified"

expect 0 env ZERIN_PASSWORD=secret "$cli" set-network NETSTOR-000040 --dhcp --user admin --json
grep -qF '"result":"accepted","status":0,"changes":[{"field":"network.mode","from":"static","to":"dhcp"}]}' \
    "$WORK/out" || fail "set-network: $(cat "$WORK/out")"
printf 'secret\n' | "$cli" set-device 02:5A:00:00:00:40 --user admin --password-stdin \
    --description "Set from the CLI" --date 2037-12-31 --time 23:59:58 --timezone 74 > "$WORK/out"
[ "$(cat "$WORK/out")" = accepted ] || fail "set-device: $(cat "$WORK/out")"
expect 0 "$cli" show NETSTOR-000040 --json
for field in '"description":"Set from the CLI"' '"deviceDate":"20371231"' \
    '"deviceTime":"235958"' '"passwordFlag":1' '"timeZoneIndex":74' '"ipStatus":1'; do
    grep -qF "$field" "$WORK/out" || fail "expected $field in $(cat "$WORK/out")"
done
expect 3 "$cli" verify NETSTOR-000040 --user admin --password guess --json
[ "$(cat "$WORK/out")" = '{"device":"02:5a:00:00:00:40","accepted":false,"status":1,"error":"NETSTOR-000040 did not accept the administrator name or password","exitStatus":3}' ] ||
    fail "verify --json: $(cat "$WORK/out")"
said "can be seen by other users"

# No setting that loses the device: the options alone refused before anything is sent, the
# settings as written once the device has reported its own; nothing to set; unchanged.
before=$(requests_to 13 025a00000040)
expect 2 "$cli" set-network NETSTOR-000040 --static --mask 255.0.255.0
said "--mask 255.0.255.0 is not a run of ones then zeros: the device would be lost, nothing sent"
expect 2 env ZERIN_PASSWORD=secret "$cli" set-network NETSTOR-000040 --static --ip 10.9.8.7 \
    --user admin --json
grep -qF "the device's default gateway" "$WORK/out" || fail "set-network --json: $(cat "$WORK/out")"
expect 2 "$cli" set-network NETSTOR-000040 --ip 198.51.100.77
said "takes its address by DHCP and would keep it: give --static"
[ "$(requests_to 13 025a00000040)" -eq "$before" ] || fail "a losing network write went out"
expect 2 "$cli" set-device NETSTOR-000040
said "nothing to set"
expect 0 "$cli" set-device 025a.0000.0040 --timezone 74 --user admin --password-file "$WORK/wrong"
[ "$(cat "$WORK/out")" = unchanged ] || fail "an unchanged set-device: $(cat "$WORK/out")"

# A unicast to a device's own address is answered by it alone, from that address.
expect 0 "$cli" search --no-broadcast --target 198.51.100.41
[ "$(cat "$WORK/out")" = "$(printf 'NETSTOR-000041\t02:5a:00:00:00:41\t198.51.100.41\tvia 198.51.100.41')" ] ||
    fail "search --target: $(cat "$WORK/out")"

# No write from a lost reply, and nothing asked after the first unanswered request.
expect 1 "$cli" set-device NETSTOR-000041 --description Lost --timeout 0.3
said "no answer to the device information request, nothing written"
expect 1 "$cli" set-network NETSTOR-000042 --static --timeout 0.3
said "no answer to the network information request, nothing written"
for mac in 025a00000041 025a00000042; do
    [ "$(requests_to 11 $mac)$(requests_to 13 $mac)" = 00 ] || fail "a write went out to $mac"
done
expect 1 "$cli" show NETSTOR-000042 --timeout 0.3
grep -qx "Description: Mute network" "$WORK/out" || fail "show lost what arrived: $(cat "$WORK/out")"
said "no answer to the network information request"
[ "$(requests_to 20 025a00000042)" -eq 0 ] || fail "show asked on after an unanswered request"

# zerin-cli.exe prints byte for byte what the Linux build prints, and ends with the same status.
for words in "search" "show NETSTOR-000040 --json"; do
    # shellcheck disable=SC2086
    "$cli" $words > "$WORK/linux.txt"
    # shellcheck disable=SC2086
    run_wine "$WINDOWS_BIN/zerin-cli.exe" $words > "$WORK/windows.txt" < /dev/null
    cmp "$WORK/linux.txt" "$WORK/windows.txt" >&2 || fail "zerin-cli.exe $words printed otherwise"
done
expect 2 run_wine "$WINDOWS_BIN/zerin-cli.exe" show NO-SUCH-DEVICE
said "no device named NO-SUCH-DEVICE answered the search"

# A search that cannot leave, as the namespace's firewall drops what goes out to the device port:
# the network failed.
nft add table ip zerin
nft add chain ip zerin out '{ type filter hook output priority 0; }'
nft add rule ip zerin out udp dport 1638 drop
expect 4 "$cli" search --window 0.2
said "the network failed: a request could not be sent: Operation not permitted"
nft delete table ip zerin
# No adapter up: nothing to search through.
ip link set zerin0 down
expect 4 "$cli" search
said "no network adapter is up"
echo "cli: ok"
