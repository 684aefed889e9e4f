#!/bin/sh
# search --known FILE: a first run marks every device new and keeps them; a second, after one more
# device came, marks that one alone, each first seen where it was; a malformed file is refused
# with status 2 and left as it was; a watch says "new" right after a device's appearance.
. "$(dirname "$0")/lib.sh"

printf '[device]\nname = NETSTOR-000010\nmac = 02:5a:00:00:00:10\nip = 198.51.100.10\n
[device]\nname = NETSTOR-000011\nmac = 02:5a:00:00:00:11\nip = 198.51.100.11\n' > "$WORK/two.conf"
known="$WORK/known.json"
search() {
    "$NATIVE_BIN/zerin-cli" search --adapter zerin0 --window 1 --known "$known" "$@"
}
first_seen() {
    grep -A 2 "\"$1\"" "$known" | sed -n 's/.*"firstSeen": "\(.*\)",/\1/p'
}

start_devsim --config "$WORK/two.conf"
search > "$WORK/first.txt" || fail "the first run ended with status $?"
printf 'NETSTOR-000010\t02:5a:00:00:00:10\t198.51.100.10\tzerin0\tnew
NETSTOR-000011\t02:5a:00:00:00:11\t198.51.100.11\tzerin0\tnew\n' | diff - "$WORK/first.txt" >&2 ||
    fail "the first run"
seen=$(first_seen 02:5a:00:00:00:10)
echo "$seen" | grep -qx '20[0-9-]*T[0-9:]*Z' || fail "firstSeen: $(cat "$known")"
stop_devsim

sleep 1
start_devsim
search --csv > "$WORK/second.csv" || fail "the second run ended with status $?"
printf 'name,mac,ip,productCode,adapter,via,new\r
NETSTOR-000010,02:5a:00:00:00:10,198.51.100.10,0101,zerin0,,\r
NETSTOR-000011,02:5a:00:00:00:11,198.51.100.11,0101,zerin0,,\r
NETSTOR-000012,02:5a:00:00:00:12,198.51.100.12,0101,zerin0,,new\r\n' | diff - "$WORK/second.csv" >&2 ||
    fail "the second run"
[ "$(first_seen 02:5a:00:00:00:10)" = "$seen" ] || fail "firstSeen moved: $(cat "$known")"
[ "$(first_seen 02:5a:00:00:00:12)" != "$seen" ] || fail "the new device's firstSeen"
[ "$(grep -c '"mac"' "$known")" -eq 3 ] || fail "the file keeps: $(cat "$known")"
search --json | grep -q '"mac":"02:5a:00:00:00:12",.*"new":false' || fail "search --json"

# A malformed file: status 2 with the reason, nothing sent, the file as it was.
printf '{"devices": [{"mac": "02:5a:00:00:00:1", "name": "A", "firstSeen": "%s", "lastSeen": "%s"}]}' \
    "$seen" "$seen" > "$known"
cp "$known" "$WORK/malformed"
before=$(logged in | wc -l)
status=0
search 2> "$WORK/error" || status=$?
[ "$status" -eq 2 ] || fail "a malformed file ended with status $status"
grep -qx "zerin-cli: $known: devices\[0\]: mac takes six hex pairs separated by colons" \
    "$WORK/error" || fail "the refusal said: $(cat "$WORK/error")"
cmp -s "$known" "$WORK/malformed" || fail "the malformed file was overwritten"
[ "$(logged in | wc -l)" -eq "$before" ] || fail "a search went out with a malformed file"

rm "$known"
search --watch --interval 0 --count 2 > "$WORK/watch.txt" || fail "the watch ended with status $?"
grep -qx '+! NETSTOR-000010 02:5a:00:00:00:10 198.51.100.10 zerin0' "$WORK/watch.txt" ||
    fail "the watch printed: $(cat "$WORK/watch.txt")"
[ "$(grep -c '^+! ' "$WORK/watch.txt")" -eq 3 ] || fail "the watch's new events: $(cat "$WORK/watch.txt")"
[ "$(sed -n 1,2p "$WORK/watch.txt" | cut -d' ' -f1,2 | tr '\n' ';')" = \
    '+ NETSTOR-000010;+! NETSTOR-000010;' ] ||
    fail "new is not right after appeared: $(cat "$WORK/watch.txt")"
search --watch --interval 0 --count 2 --json > "$WORK/watch.json" || fail "the JSON watch"
grep -q '"event":"new"' "$WORK/watch.json" && fail "a known device was new again: $(cat "$WORK/watch.json")"
rm "$known"
search --watch --count 1 --json | grep -q '"mac":"02:5a:00:00:00:11",.*"event":"new"' ||
    fail "the JSON watch's new event"
echo "known: ok"
