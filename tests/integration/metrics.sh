#!/bin/sh
# search --watch --metrics: after every window the file holds Prometheus' text format, which
# promtool passes; a device that stops answering goes to 0 once the watch counts it as gone and
# stays there; a reader never sees the file half-written; zerin-cli.exe under Wine writes it too.
. "$(dirname "$0")/lib.sh"

printf '[device]\nname = NETSTOR-000010\nmac = 02:5a:00:00:00:10\nip = 198.51.100.10\n
[device]\nname = NETSTOR-000011\nmac = 02:5a:00:00:00:11\nip = 198.51.100.11\n' > "$WORK/two.conf"
metrics="$WORK/collector/zerin.prom"
mkdir "$WORK/collector" "$WORK/seen"

start_devsim
"$NATIVE_BIN/zerin-cli" search --adapter zerin0 --watch --interval 0 --count 6 \
    --metrics "$metrics" > "$WORK/events" &
watch=$!

# Every version of the file a reader meets, kept once each.
(
    while kill -0 "$watch" 2>/dev/null; do
        [ -f "$metrics" ] && cp "$metrics" "$WORK/seen/$(cksum < "$metrics" | cut -d' ' -f1)"
    done
) &
reader=$!

tries=0
until [ -f "$metrics" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "no metrics file after the first window"
    sleep 0.05
done
stop_devsim
start_devsim --config "$WORK/two.conf"
wait "$watch" || fail "the watch ended with status $?"
wait "$reader"

[ "$(ls "$WORK/seen" | wc -l)" -ge 2 ] || fail "the reader saw $(ls "$WORK/seen" | wc -l) versions"
for seen in "$WORK/seen"/*; do
    promtool check metrics < "$seen" || fail "promtool refused a version: $(cat "$seen")"
    tail -n 1 "$seen" | grep -q '^zerin_search_last_timestamp_seconds [0-9.]*$' ||
        fail "a version ends early: $(tail -n 1 "$seen")"
done
promtool check metrics < "$metrics" || fail "promtool refused the last file"
grep '^zerin_device_up' "$metrics" > "$WORK/up"
printf 'zerin_device_up{mac="%s"} %s\n' 02:5a:00:00:00:10 1 02:5a:00:00:00:11 1 \
    02:5a:00:00:00:12 0 | diff - "$WORK/up" >&2 || fail "zerin_device_up"
grep -qx 'zerin_device_info{mac="02:5a:00:00:00:12",name="NETSTOR-000012",ip="198.51.100.12",product_code="0101",adapter="zerin0"} 1' \
    "$metrics" || fail "zerin_device_info: $(grep info "$metrics")"
grep -qx 'zerin_search_devices 2' "$metrics" || fail "zerin_search_devices"
grep -q '^- NETSTOR-000012 ' "$WORK/events" || fail "the watch did not say the device went"
ls -A "$WORK/collector" | grep -qvx zerin.prom && fail "a temporary file was left behind"
# zerin-cli.exe replaces a file that is there already, through its own Windows calls.
cp "$metrics" "$WORK/windows.prom"
run_wine "$WINDOWS_BIN/zerin-cli.exe" search --adapter zerin0 --metrics "$WORK/windows.prom" \
    < /dev/null > /dev/null || fail "zerin-cli.exe search --metrics"
promtool check metrics < "$WORK/windows.prom" && ! grep -q 02:5a:00:00:00:12 "$WORK/windows.prom" &&
    [ "$(grep -c '^zerin_device_up{.*} 1$' "$WORK/windows.prom")" -eq 2 ] ||
    fail "zerin-cli.exe wrote: $(cat "$WORK/windows.prom")"
ls -A "$WORK" | grep -q '\.tmp$' && fail "zerin-cli.exe left a temporary file"
echo "metrics: ok"
