#!/bin/sh
# Verification and the settings updates against the simulated device of settings.conf over real
# sockets: the protocol core natively and under Wine.
. "$(dirname "$0")/lib.sh"

start_devsim --config "$(dirname "$0")/settings.conf"
"$NATIVE_BIN/settings_integration_test"
run_wine "$WINDOWS_BIN/settings_integration_test.exe"

echo "settings: ok"
