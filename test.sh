#!/usr/bin/env bash
# Sets up, builds and runs every test of Quarn.
set -euo pipefail
QUARN_ROOT="$(cd "$(dirname "$0")" && pwd)"
. "$QUARN_ROOT/scripts-common.sh"

# The tests of a log on a server need a Firebird server; the program does not.
QUARN_PACKAGES="$QUARN_PACKAGES firebird3.0-server"
quarn_install_packages
quarn_build "$QUARN_ROOT/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
quarn_firebird_lock
trap quarn_firebird_server_cleanup EXIT
quarn_firebird_server
export QT_QPA_PLATFORM=offscreen
# Tests never read or write the user's own settings.
export XDG_CONFIG_HOME="$(mktemp -d)"
QUARN_STEP="testy"
cd "$QUARN_ROOT/build-test"
ctest --output-on-failure --parallel "$(nproc)"
