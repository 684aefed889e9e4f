#!/bin/sh
# The zerin.devices collection run by the real ansible-playbook against the simulator: search,
# check mode, a write and its repeat, bad input, a wrong password, a fleet with a silent device
# (assertions in playbook.yml); here ansible-doc for every module, the diff output, that no
# process's command line or environment ever held a password and that no apply file stayed.
. "$(dirname "$0")/../integration/lib.sh"

here=$(cd "$(dirname "$0")" && pwd)
export ANSIBLE_COLLECTIONS_PATH="$ROOT/integrations/ansible"
export HOME="$WORK/home"
export ANSIBLE_LOCAL_TEMP="$WORK/ansible-local"
export ANSIBLE_REMOTE_TEMP="$WORK/ansible-remote"
export ANSIBLE_NOCOLOR=1
export ANSIBLE_PYTHON_INTERPRETER=/usr/bin/python3
# Keeps the modules' temporary folders, to show that no apply file stays behind in them.
export ANSIBLE_KEEP_REMOTE_FILES=1
export PYTHONDONTWRITEBYTECODE=1
mkdir -p "$HOME"
cd "$WORK"

for module in search_info device fleet; do
    ansible-doc "zerin.devices.$module" > "$WORK/doc" 2>&1 ||
        fail "ansible-doc $module: $(cat "$WORK/doc")"
    for part in "ZERIN.DEVICES.$(echo "$module" | tr a-z A-Z)" OPTIONS '- cli' EXAMPLES \
        'RETURN VALUES'; do
        grep -qF -- "$part" "$WORK/doc" || fail "ansible-doc $module lacks $part"
    done
done

start_devsim --config "$here/devices.conf"

# Reads every process's command line and environment while the play runs, keeping any that
# holds a password; the patterns stay in a file, out of the reader's own command line. It ends
# with the play, or with this script.
printf '%s\n' secret Wr0ngPw > "$WORK/passwords"
(
    while kill -0 $$ 2>/dev/null && [ ! -e "$WORK/played" ]; do
        cat /proc/[0-9]*/cmdline /proc/[0-9]*/environ 2>/dev/null | tr '\0' '\n' > "$WORK/seen"
        grep -F -f "$WORK/passwords" "$WORK/seen" >> "$WORK/leaks" || true
        if grep -qx -- --password-stdin "$WORK/seen"; then
            touch "$WORK/stdin-seen"
        fi
    done
) &
watcher=$!

status=0
ansible-playbook -i localhost, -c local --diff -e "cli=$NATIVE_BIN/zerin-cli" -e "work=$WORK" \
    "$here/playbook.yml" > "$WORK/play.log" 2>&1 || status=$?
touch "$WORK/played"
wait "$watcher"
[ "$status" -eq 0 ] || fail "ansible-playbook gave status $status: $(cat "$WORK/play.log")"

! grep -F '[WARNING]' "$WORK/play.log" || fail "warnings from the play"
grep -q '^-    "description": "Office storage"' "$WORK/play.log" &&
    grep -q '^+    "description": "Front desk"' "$WORK/play.log" ||
    fail "no description diff: $(cat "$WORK/play.log")"
[ ! -s "$WORK/leaks" ] || fail "a password in a process: $(sort -u "$WORK/leaks")"
[ -e "$WORK/stdin-seen" ] || fail "the watcher never saw zerin-cli apply"
left=$(find "$ANSIBLE_REMOTE_TEMP" -name 'zerin-*.json')
[ -n "$(find "$ANSIBLE_REMOTE_TEMP" -name AnsiballZ_device.py)" ] && [ -z "$left" ] ||
    fail "an apply file stayed: $left"
echo "ansible: ok"
