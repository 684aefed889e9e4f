# Shared by the integration tests, which run inside scripts/netns-run (or another namespace script):
# paths, the simulator, and Wine runs with their own wineserver and prefix inside the namespace.
set -eu

ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
NATIVE_BIN="$ROOT/build/native/bin"
WINDOWS_BIN="$ROOT/build/windows/bin"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/zerin-it.XXXXXX")
DEVSIM_LOG="$WORK/devsim.log"
DEVSIM_PID=""
FAR_DEVSIM_PIDS=""

# Runs at exit whatever the outcome; a wineserver that already ended is not a failure.
cleanup() {
    for pid in $DEVSIM_PID $FAR_DEVSIM_PIDS; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ -d "$WORK/wineprefix" ]; then
        WINEPREFIX="$WORK/wineprefix" wineserver -k 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# await_ready PID FILE: waits until the simulator of that process id has written its ready file.
await_ready() {
    tries=0
    until [ -s "$2" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || fail "devsim did not start"
        kill -0 "$1" 2>/dev/null || fail "devsim exited"
        sleep 0.05
    done
}

# start_devsim [devsim options]: starts the simulator, on the devices' network of scripts/netns-run,
# and waits until its socket is bound.
start_devsim() {
    rm -f "$WORK/devsim.ready"
    nsenter -t "$ZERIN_DEVICES_PID" -n \
        "$NATIVE_BIN/devsim" --log "$DEVSIM_LOG" --ready "$WORK/devsim.ready" "$@" &
    DEVSIM_PID=$!
    await_ready "$DEVSIM_PID" "$WORK/devsim.ready"
}

# start_far_devsim HOLDER NAME [devsim options]: a simulator in the nested namespace of that
# holder process (scripts/netns-two-adapters), logging to $WORK/NAME.log.
start_far_devsim() {
    holder=$1
    name=$2
    shift 2
    nsenter -t "$holder" -n "$NATIVE_BIN/devsim" --log "$WORK/$name.log" \
        --ready "$WORK/$name.ready" "$@" &
    FAR_DEVSIM_PIDS="$FAR_DEVSIM_PIDS $!"
    await_ready "$!" "$WORK/$name.ready"
}

stop_devsim() {
    kill "$DEVSIM_PID" && wait "$DEVSIM_PID" 2>/dev/null || true
    DEVSIM_PID=""
}

# Makes the copy of the test prefix that only this namespace's wineserver uses.
ready_wine_prefix() {
    if [ ! -d "$WORK/wineprefix" ]; then
        "$ROOT/scripts/wine-prefix" "$ROOT/build/windows/wineprefix"
        cp -a "$ROOT/build/windows/wineprefix" "$WORK/wineprefix"
    fi
}

# run_wine PROGRAM [args]: runs a Windows program in the copy of the test prefix.
run_wine() {
    ready_wine_prefix
    ZERIN_WINEPREFIX="$WORK/wineprefix" "$ROOT/scripts/wine-run" "$@"
}

# logged DIRECTION [LOG]: the datagrams the simulator logged in the direction (in or out), as hex.
logged() {
    awk -v dir="$1" '$2 == dir { print $NF }' "${2:-$DEVSIM_LOG}"
}

# sent_to COMMAND [LOG]: where each request of the command (its number as two hex digits) was sent:
# 255.255.255.255, a directed broadcast or the unicast address, as the simulator logged it.
sent_to() {
    awk -v c="$1" '$2 == "in" && substr($NF, 1, 4) == c "00" { print $4 }' "${2:-$DEVSIM_LOG}"
}
