# Shared by run.sh and test.sh: installs what the build needs, then builds.
# Sourced, not run.

QUARN_PACKAGES="g++ cmake ninja-build qt6-base-dev firebird3.0-server-core libfbclient2 firebird-dev
firebird3.0-utils libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core libgtest-dev libgmock-dev"

quarn_install_packages() {
    local missing=()
    for p in $QUARN_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Instaluję pakiety: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# The embedded engine needs a writable lock directory for a non-root user.
quarn_firebird_lock() {
    if [ -z "${FIREBIRD_LOCK:-}" ]; then
        FIREBIRD_LOCK="${XDG_RUNTIME_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}}/quarn-firebird"
        mkdir -p "$FIREBIRD_LOCK"
        export FIREBIRD_LOCK
    fi
}

quarn_build() {   # quarn_build BUILD_DIR [cmake options...]
    local dir="$1"; shift
    cmake -S "$QUARN_ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
