#!/usr/bin/env bash
# The package check installs exactly what dpkg lacks and lets the script go
# on, whether none, some or all of the packages are installed; a failing step
# says what failed before the script ends. dpkg-query, apt-get and sudo are
# stand-ins on PATH: dpkg-query answers from a list, apt-get records its words.
set -euo pipefail
QUARN_ROOT="$1"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

mkdir "$tmp/bin"
# Like dpkg-query -W: a line for each known package, exit 1 when one is unknown.
cat > "$tmp/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
shift 2   # -W -f=...
status=0
for p in "$@"; do
    if grep -qx "$p" "$QUARN_STUB_INSTALLED" 2>/dev/null; then
        echo "$p install ok installed"
    elif grep -qx "$p" "$QUARN_STUB_REMOVED" 2>/dev/null; then
        echo "$p deinstall ok config-files"
    else
        echo "dpkg-query: no packages found matching $p" >&2; status=1
    fi
done
exit $status
STUB
printf '#!/bin/sh\necho "$*" >> "$QUARN_STUB_APT"\nexit "${QUARN_STUB_APT_STATUS:-0}"\n' > "$tmp/bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' > "$tmp/bin/sudo"
chmod +x "$tmp/bin/"*

export QUARN_STUB_INSTALLED="$tmp/installed" QUARN_STUB_REMOVED="$tmp/removed" QUARN_STUB_APT="$tmp/apt"
export PATH="$tmp/bin:$PATH"

# Runs the real function as run.sh and test.sh do; prints "went on" after it.
install() {
    : > "$tmp/apt"
    bash -c 'set -euo pipefail; . "$1/scripts-common.sh"; quarn_install_packages; echo "went on"' \
        _ "$QUARN_ROOT" > "$tmp/out" 2> "$tmp/err"
}
all="$(. "$QUARN_ROOT/scripts-common.sh"; echo $QUARN_PACKAGES)"
asked() { grep '^install ' "$tmp/apt" | sed 's/^install -y --no-install-recommends //' | tr ' ' '\n' | sort; }
sorted() { tr ' ' '\n' <<<"$*" | grep -v '^$' | sort; }

# No package at all (a new machine).
: > "$tmp/installed"; : > "$tmp/removed"
install || fail "no package installed: the script stopped ($(cat "$tmp/err"))"
grep -qx "went on" "$tmp/out" || fail "no package installed: the script did not go on"
grep -qx "update" "$tmp/apt" || fail "no package installed: no apt-get update"
[ "$(asked)" = "$(sorted $all)" ] || fail "no package installed: asked for '$(asked | xargs)'"

# Some installed, one removed with its configuration left, the rest unknown.
set -- $all
printf '%s\n' "$1" "$3" > "$tmp/installed"
echo "$2" > "$tmp/removed"
install || fail "some packages installed: the script stopped ($(cat "$tmp/err"))"
grep -qx "went on" "$tmp/out" || fail "some packages installed: the script did not go on"
expected="$(sorted $(printf '%s\n' $all | grep -vx -e "$1" -e "$3"))"
[ "$(asked)" = "$expected" ] || fail "some packages installed: asked for '$(asked | xargs)'"

# Everything installed: apt-get is not called.
printf '%s\n' $all > "$tmp/installed"; : > "$tmp/removed"
install || fail "all installed: the script stopped"
[ -s "$tmp/apt" ] && fail "all installed, yet apt-get ran: $(cat "$tmp/apt")"

# A failing install ends the script with the step, the command and its status.
: > "$tmp/installed"
QUARN_STUB_APT_STATUS=100 install && fail "apt-get failed, yet the script succeeded"
grep -q "went on" "$tmp/out" && fail "apt-get failed, yet the script went on"
grep -q "instalacja pakietów" "$tmp/err" && grep -q "apt-get" "$tmp/err" && grep -q "kodem 100" "$tmp/err" ||
    fail "a failed install said '$(cat "$tmp/err")'"
echo "4 passed, 0 failed"
