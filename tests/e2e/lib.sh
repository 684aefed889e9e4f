# Shared by the end-to-end tests: Zerin.exe under Wine on a virtual display, inside the private
# namespace, with the simulator answering and the ui_driver acting as the user.
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
. "$ROOT/tests/integration/lib.sh"

MAIN_TITLE="Network Setup Utility"
URLS="$WORK/urls.txt"

# Points Wine's browser at a script that records the URLs it is given.
record_browser_urls() {
    printf '#!/bin/sh\necho "$1" >> "%s"\n' "$URLS" > "$WORK/browser"
    chmod +x "$WORK/browser"
    run_wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$WORK/browser" /f \
        >/dev/null 2>&1
}

# The prefix is made first, so that the driver's first run does not make it at the same time as
# Zerin.exe's run in the background.
start_zerin() {
    ready_wine_prefix
    run_wine "$WINDOWS_BIN/Zerin.exe" &
    ZERIN_PID=$!
    drive wait "$MAIN_TITLE" 60 || fail "the main window did not appear"
}

stop_zerin() {
    drive close "$MAIN_TITLE"
    wait "$ZERIN_PID" || fail "Zerin.exe ended with status $?"
}

drive() {
    run_wine "$WINDOWS_BIN/ui_driver.exe" "$@" | tr -d '\r'
}

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
    [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

# Waits until the file has a line, for at most ten seconds.
wait_for_line() {
    tries=0
    until [ -s "$1" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || return 1
        sleep 0.1
    done
}
