# Shared by run.sh and test.sh: installs what the build needs, then builds.
# Sourced, not run.

QUARN_PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-translations-l10n firebird3.0-server-core libfbclient2
firebird-dev firebird3.0-utils libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core libgtest-dev libgmock-dev tzdata"

# Under set -e a failing command ends the script; say which step and command
# failed, and how, so that no run ever ends without a word. errtrace (-E)
# makes the trap fire inside functions too.
QUARN_STEP="przygotowanie"
quarn_report_failure() {   # quarn_report_failure STATUS COMMAND
    echo "Błąd (krok: $QUARN_STEP): polecenie \"$2\" zakończyło się kodem $1." >&2
}
set -E
trap 'quarn_report_failure $? "$BASH_COMMAND"' ERR

# Prints the packages of the list that dpkg does not have installed. dpkg-query
# exits non-zero when it knows one of them not at all, which is the usual case
# on a new machine, so its status says nothing here: only its lines count.
quarn_missing_packages() {
    { dpkg-query -W -f='${Package} ${Status}\n' $QUARN_PACKAGES 2>/dev/null || true; } |
        awk -v wanted="$QUARN_PACKAGES" '
            / install ok installed$/ { present[$1] = 1 }
            END { n = split(wanted, w); for (i = 1; i <= n; i++) if (!(w[i] in present)) print w[i] }'
}

quarn_install_packages() {
    # One query for all packages: cheap enough to run on every start.
    QUARN_STEP="instalacja pakietów"
    local missing
    mapfile -t missing < <(quarn_missing_packages)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Instaluję pakiety: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
    return 0
}

# The embedded engine needs a writable lock directory for a non-root user.
quarn_firebird_lock() {
    if [ -z "${FIREBIRD_LOCK:-}" ]; then
        FIREBIRD_LOCK="${XDG_RUNTIME_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}}/quarn-firebird"
        mkdir -p "$FIREBIRD_LOCK"
        export FIREBIRD_LOCK
    fi
}

# Whether a Firebird server answers on this machine's port 3050.
quarn_firebird_server_answers() {
    (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null
}

# test.sh only: the Firebird server that the tests of a log on a server use
# (firebird3.0-server). Started as the README says, through `service`, which
# goes to systemd where it runs and to the package's init script where it does
# not (a container, CI). The server's coordinates and SYSDBA's password (from
# /etc/firebird/3.0/SYSDBA.password) go to the tests in QUARN_TEST_SERVER,
# QUARN_TEST_SERVER_DIR, QUARN_TEST_SERVER_USER and QUARN_TEST_SERVER_PASSWORD.
# A server that does not answer stops nothing here: those tests fail and say so.
quarn_firebird_server() {
    QUARN_STEP="serwer Firebird"
    local sudo="" i
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if ! quarn_firebird_server_answers; then
        echo "Uruchamiam serwer Firebird."
        $sudo service firebird3.0 start || echo "Serwer Firebird nie uruchomił się." >&2
        for i in $(seq 1 100); do
            quarn_firebird_server_answers && break
            sleep 0.1
        done
    fi
    QUARN_TEST_SERVER_PASSWORD="$($sudo sed -n 's/^ISC_PASSWORD="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' \
        /etc/firebird/3.0/SYSDBA.password 2>/dev/null || true)"
    # A folder the server's user may write: the tests' logs are made there.
    QUARN_TEST_SERVER_DIR="$(mktemp -d /tmp/quarn-server.XXXXXX)"
    chmod 0777 "$QUARN_TEST_SERVER_DIR"
    QUARN_TEST_SERVER=localhost
    QUARN_TEST_SERVER_USER=SYSDBA
    export QUARN_TEST_SERVER QUARN_TEST_SERVER_DIR QUARN_TEST_SERVER_USER QUARN_TEST_SERVER_PASSWORD
}

# Removes the tests' folder on the server (its files belong to the server's user).
quarn_firebird_server_cleanup() {
    [ -n "${QUARN_TEST_SERVER_DIR:-}" ] || return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo rm -rf "$QUARN_TEST_SERVER_DIR" || true
}

quarn_build() {   # quarn_build BUILD_DIR [cmake options...]
    local dir="$1"; shift
    QUARN_STEP="budowanie (${dir##*/})"
    cmake -S "$QUARN_ROOT" -B "$dir" -G Ninja "$@"
    # Qt's moc step of a library is not re-run for a header that appeared since
    # the last build (a pull that adds a window would then fail to link);
    # dropping its stamps makes it look again, and it only regenerates what changed.
    find "$dir" -path '*_autogen/timestamp' -delete 2>/dev/null || true
    cmake --build "$dir" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
}

# True when the program installed in PREFIX is missing, was installed from
# elsewhere, or any file it is built or installed from is newer than STAMP.
quarn_install_outdated() {   # quarn_install_outdated STAMP PREFIX
    local stamp="$1" prefix="$2"
    [ -x "$prefix/quarn" ] && [ -f "$stamp" ] || return 0
    [ "$(cat "$stamp")" = "$prefix" ] || return 0
    local newer
    newer="$(cd "$QUARN_ROOT" && find CMakeLists.txt cmake src tools data desktop scripts-common.sh run.sh \
        -newer "$stamp" -print -quit 2>/dev/null)"
    [ -n "$newer" ]
}

# The desktop entry and the icon for the current user (freedesktop
# conventions), so that the program shows in the desktop's menu.
quarn_install_desktop_entry() {   # quarn_install_desktop_entry PREFIX
    local prefix="$1"
    local share="${XDG_DATA_HOME:-$HOME/.local/share}"
    local apps="$share/applications" icons="$share/icons/hicolor/scalable/apps"
    mkdir -p "$apps" "$icons"
    cp "$QUARN_ROOT/desktop/quarn.svg" "$icons/quarn.svg"
    sed "s|@QUARN_PROGRAM@|\"$prefix/quarn\"|" "$QUARN_ROOT/desktop/quarn.desktop.in" > "$apps/quarn.desktop"
    command -v update-desktop-database >/dev/null && update-desktop-database -q "$apps" || true
    command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$share/icons/hicolor" || true
}
