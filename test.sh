#!/usr/bin/env bash
# Sets up, builds and runs every test of Quarn.
set -euo pipefail
QUARN_ROOT="$(cd "$(dirname "$0")" && pwd)"
. "$QUARN_ROOT/scripts-common.sh"

# The tests of a log on a server need a Firebird server; the program does not.
# The fuzz targets need clang and its libFuzzer and sanitizer runtimes.
QUARN_PACKAGES="$QUARN_PACKAGES firebird3.0-server clang libclang-rt-dev"
quarn_install_packages
quarn_build "$QUARN_ROOT/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The fuzz targets, configured as the README's fuzzing command does; the whole
# program is built there with clang too, so code only gcc accepts fails here.
CXX=clang++ quarn_build "$QUARN_ROOT/build-fuzz" -DQUARN_FUZZ=ON -DQUARN_TESTS=OFF -DQUARN_BENCH=OFF
quarn_firebird_lock
trap quarn_firebird_server_cleanup EXIT
quarn_firebird_server
export QT_QPA_PLATFORM=offscreen
# Tests never read or write the user's own settings.
export XDG_CONFIG_HOME="$(mktemp -d)"
QUARN_STEP="testy"
cd "$QUARN_ROOT/build-test"
ctest --output-on-failure --parallel "$(nproc)"
# Each fuzz target over its seeds and a short run from them (fuzz_adif, ...).
QUARN_STEP="testy fuzz"
ctest --test-dir "$QUARN_ROOT/build-fuzz" --output-on-failure --parallel "$(nproc)"
