#!/usr/bin/env bash
# run.sh builds and installs only when the program is missing or a source
# changed, and installs the desktop entry and the icon for the user.
set -euo pipefail
QUARN_ROOT="$1"
. "$QUARN_ROOT/scripts-common.sh"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

prefix="$tmp/program folder"
stamp="$tmp/stamp"
mkdir -p "$prefix"
quarn_install_outdated "$stamp" "$prefix" || fail "nothing installed yet, yet no build"
printf '#!/bin/sh\n' > "$prefix/quarn"
chmod +x "$prefix/quarn"
echo "$prefix" > "$stamp"
quarn_install_outdated "$stamp" "$prefix" && fail "nothing changed, yet a build"
quarn_install_outdated "$stamp" "$tmp/elsewhere" || fail "another folder, yet no build"
touch -d '2000-01-01' "$stamp"
quarn_install_outdated "$stamp" "$prefix" || fail "sources newer than the install, yet no build"

XDG_DATA_HOME="$tmp/share" quarn_install_desktop_entry "$prefix"
entry="$tmp/share/applications/quarn.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx "Exec=\"$prefix/quarn\"" "$entry" || fail "the entry does not start the installed program"
grep -qx "Icon=quarn" "$entry" || fail "the entry names no icon"
[ -f "$tmp/share/icons/hicolor/scalable/apps/quarn.svg" ] || fail "no icon in the hicolor theme"
echo "1 passed, 0 failed"
