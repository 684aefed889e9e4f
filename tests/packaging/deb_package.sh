#!/bin/sh
# The Debian package of build/native's zerin-cli: its control fields, its files with their modes,
# owners and dates, no lintian error; unpacked, the binary runs, the manual page renders without
# a warning and has every command, the pages of docs/manual/ are there as they are in the source,
# and the watch service passes systemd-analyze verify.
# Nothing is installed and nothing is sent.
set -eu
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/zerin-deb.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
SOURCE_DATE_EPOCH=1700000000
export SOURCE_DATE_EPOCH
date="2023-11-14 22:13"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cli="$ROOT/build/native/bin/zerin-cli"
version=$("$cli" --version | sed -n 's/^zerin-cli //p')
[ -n "$version" ] || fail "no version from $cli --version"
ansible-galaxy collection build "$ROOT/integrations/ansible/ansible_collections/zerin/devices" \
    --output-path "$WORK" >/dev/null
collection=$(basename "$WORK"/zerin-devices-*.tar.gz)
"$ROOT/packaging/make-deb" "$cli" "$version" "$WORK/$collection" "$WORK/out"
deb="$WORK/out/zerin-cli_${version}_amd64.deb"

dpkg-deb --info "$deb" >"$WORK/info"
for field in "Package: zerin-cli" "Version: $version" "Architecture: amd64" "Section: net" \
    "Installed-Size: [1-9][0-9]*" "Depends: .*libc6 (>= [0-9.]*).*" "Homepage: https://zerin.example" \
    "Maintainer: Zerin <packages@zerin.example>"; do
    grep -qx " $field" "$WORK/info" || fail "no '$field' in the control data: $(cat "$WORK/info")"
done

TZ=UTC dpkg-deb --contents "$deb" >"$WORK/contents"
for entry in "-rwxr-xr-x ./usr/bin/zerin-cli" "-rw-r--r-- ./usr/share/man/man1/zerin-cli.1.gz" \
    "-rw-r--r-- ./lib/systemd/system/zerin-watch.service" "-rw-r--r-- ./usr/share/zerin/$collection" \
    "-rw-r--r-- ./usr/share/doc/zerin-cli/copyright" "-rw-r--r-- ./usr/share/doc/zerin-cli/changelog.gz" \
    "-rw-r--r-- ./usr/share/bash-completion/completions/zerin-cli"; do
    awk '{ print $1, $NF }' "$WORK/contents" | grep -qxF -- "$entry" || fail "no $entry in the package"
done
# Every page of docs/manual/, and no other, compressed in /usr/share/doc/zerin-cli/manual.
pages=$(cd "$ROOT/docs/manual" && ls -- *.md)
[ -n "$pages" ] || fail "no page in $ROOT/docs/manual"
for page in $pages; do
    entry="-rw-r--r-- ./usr/share/doc/zerin-cli/manual/$page.gz"
    awk '{ print $1, $NF }' "$WORK/contents" | grep -qxF -- "$entry" || fail "no $entry in the package"
done
packaged=$(awk '{ print $NF }' "$WORK/contents" |
    sed -n 's|^\./usr/share/doc/zerin-cli/manual/\(.*\)\.gz$|\1|p' | LC_ALL=C sort)
[ "$packaged" = "$(printf '%s\n' "$pages" | LC_ALL=C sort)" ] ||
    fail "the package's manual pages are not those of docs/manual: $packaged"
awk -v date="$date" '$2 != "root/root" || $4 " " $5 != date || ($1 ~ /^d/ && $1 != "drwxr-xr-x")' \
    "$WORK/contents" | grep . && fail "entries not owned by root, dated $date or 0755"

lintian "$deb" >"$WORK/lintian" 2>&1 || true
cat "$WORK/lintian"
grep -q '^E: ' "$WORK/lintian" && fail "lintian found errors"

dpkg -x "$deb" "$WORK/root"
[ "$("$WORK/root/usr/bin/zerin-cli" --version)" = "zerin-cli $version" ] ||
    fail "the packaged zerin-cli does not say its version"
for page in $pages; do
    zcat "$WORK/root/usr/share/doc/zerin-cli/manual/$page.gz" | cmp -s - "$ROOT/docs/manual/$page" ||
        fail "the package's manual/$page is not docs/manual/$page"
done
TZ=UTC tar -tvzf "$WORK/root/usr/share/zerin/$collection" | grep -v " $date " &&
    fail "collection entries not dated $date"

man --warnings -l "$WORK/root/usr/share/man/man1/zerin-cli.1.gz" >"$WORK/man" 2>"$WORK/man.err" ||
    fail "man failed: $(cat "$WORK/man.err")"
[ -s "$WORK/man.err" ] && fail "man warns: $(cat "$WORK/man.err")"
commands=$("$cli" --help | awk '/^Commands:/ { on = 1; next } on && NF == 0 { on = 0 } on { print $1 }')
[ -n "$commands" ] || fail "no commands in zerin-cli --help"
for command in $commands; do
    grep -qx "   $command" "$WORK/man" || fail "the manual page has no section for $command"
done

# The completion offers every command after zerin-cli, in bash itself.
completion="$WORK/root/usr/share/bash-completion/completions/zerin-cli"
offered=$(bash -c '. "$1"; COMP_WORDS=(zerin-cli ""); COMP_CWORD=1; _zerin_cli; echo "${COMPREPLY[*]}"' \
    sh "$completion") || fail "the bash completion does not run"
for command in $commands; do
    case " $offered " in *" $command "*) ;; *) fail "the completion does not offer $command" ;; esac
done

# systemd-analyze checks that the binary exists and that the documentation's page opens: the
# unpacked binary and manual pages stand in for installed ones.
mkdir "$WORK/units"
printf '[Service]\nExecStart=/bin/true\n' >"$WORK/units/probe.service"
if systemd-analyze verify "$WORK/units/probe.service" >/dev/null 2>&1; then
    sed "s|^ExecStart=/usr/bin/zerin-cli |ExecStart=$WORK/root/usr/bin/zerin-cli |" \
        "$WORK/root/lib/systemd/system/zerin-watch.service" >"$WORK/units/zerin-watch.service"
    MANPATH="$WORK/root/usr/share/man" systemd-analyze verify "$WORK/units/zerin-watch.service" \
        >"$WORK/verify" 2>&1 || fail "systemd-analyze verify: $(cat "$WORK/verify")"
    [ -s "$WORK/verify" ] && fail "systemd-analyze verify warns: $(cat "$WORK/verify")"
else
    echo "systemd-analyze verify cannot run here: the watch service is not verified"
fi
echo "deb_package: ok"
