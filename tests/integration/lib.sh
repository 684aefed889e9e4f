# Shared by the integration tests, which run inside scripts/netns-run: paths, the simulator,
# and Wine runs with their own wineserver and prefix inside the namespace.
set -eu

ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
NATIVE_BIN="$ROOT/build/native/bin"
WINDOWS_BIN="$ROOT/build/windows/bin"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/zerin-it.XXXXXX")
DEVSIM_LOG="$WORK/devsim.log"
DEVSIM_PID=""

# Runs at exit whatever the outcome; a wineserver that already ended is not a failure.
cleanup() {
    if [ -n "$DEVSIM_PID" ]; then
        kill "$DEVSIM_PID" 2>/dev/null || true
        wait "$DEVSIM_PID" 2>/dev/null || true
    fi
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

# start_devsim [devsim options]: starts the simulator and waits until its socket is bound.
start_devsim() {
    rm -f "$WORK/devsim.ready"
    "$NATIVE_BIN/devsim" --log "$DEVSIM_LOG" --ready "$WORK/devsim.ready" "$@" &
    DEVSIM_PID=$!
    tries=0
    until [ -s "$WORK/devsim.ready" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || fail "devsim did not start"
        kill -0 "$DEVSIM_PID" 2>/dev/null || fail "devsim exited"
        sleep 0.05
    done
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

# The datagrams the simulator logged in the given direction (in or out), as hex.
logged() {
    awk -v dir="$1" '$2 == dir { print $NF }' "$DEVSIM_LOG"
}
