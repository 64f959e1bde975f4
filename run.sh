#!/usr/bin/env bash
# Sets up, builds, installs and runs Quarn. The program lives in a folder outside
# the build tree, so that a clean rebuild never touches the log kept beside it.
# When nothing changed since the last install, it only starts the program.
set -euo pipefail
QUARN_ROOT="$(cd "$(dirname "$0")" && pwd)"
. "$QUARN_ROOT/scripts-common.sh"

PREFIX="${QUARN_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/quarn}"
STAMP="$QUARN_ROOT/build/quarn-installed"
quarn_install_packages
if quarn_install_outdated "$STAMP" "$PREFIX"; then
    quarn_build "$QUARN_ROOT/build" -DCMAKE_BUILD_TYPE=Release -DQUARN_TESTS=OFF -DQUARN_BENCH=OFF
    QUARN_STEP="instalowanie programu"
    cmake --install "$QUARN_ROOT/build" --prefix "$PREFIX"
    quarn_install_desktop_entry "$PREFIX"
    echo "$PREFIX" > "$STAMP"
fi
quarn_firebird_lock

QUARN_STEP="tworzenie bazy"
if [ -z "${QUARN_DATABASE:-}" ] && [ ! -e "$PREFIX/Log.dat" ]; then
    "$PREFIX/quarn-mkdb" "$PREFIX/Log.dat"
fi
exec "$PREFIX/quarn" "$@"
