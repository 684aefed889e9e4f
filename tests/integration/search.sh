#!/bin/sh
# A search against the simulator's default devices over real sockets: the native program and
# the command-line tool over POSIX sockets, the Windows build over Winsock under Wine.
. "$(dirname "$0")/lib.sh"

start_devsim
names="NETSTOR-000010,NETSTOR-000011,NETSTOR-000012"

ZERIN_EXPECTED_NAMES="$names" "$NATIVE_BIN/search_integration_test"
ZERIN_EXPECTED_NAMES="$names" run_wine "$WINDOWS_BIN/search_integration_test.exe"

"$NATIVE_BIN/zerin-cli" search > "$WORK/search.txt"
printf 'NETSTOR-000010\t02:5a:00:00:00:10\t198.51.100.10\tzerin0\n' > "$WORK/expected.txt"
grep -q . "$WORK/search.txt" || fail "zerin-cli search printed nothing"
head -n 1 "$WORK/search.txt" | cmp -s - "$WORK/expected.txt" ||
    fail "zerin-cli search printed: $(head -n 1 "$WORK/search.txt")"
[ "$(wc -l < "$WORK/search.txt")" -eq 3 ] || fail "expected 3 devices, got: $(cat "$WORK/search.txt")"

# Every search, native or Windows, went out as the 12 zero bytes: once from each program's own
# search, and twice from zerin-cli through the namespace's adapter to both broadcasts.
requests=$(logged in | sort -u)
[ "$requests" = "000000000000000000000000" ] || fail "unexpected requests: $requests"
[ "$(logged in | wc -l)" -eq 6 ] || fail "expected 6 search requests, got $(logged in | wc -l)"
echo "search: ok"
