# Shared by scripts/run and scripts/test: install what is missing, then build.
# Sourced, not run.
set -euo pipefail

TALV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TALV_BUILD="$TALV_ROOT/build"

# Debian 12 packages the build, the program and the tests need.
TALV_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev libx11-dev libgif-dev libxdo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
)

talv_install_packages() {
    local missing=()
    for package in "${TALV_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

talv_build() {
    if [ ! -f "$TALV_BUILD/CMakeCache.txt" ]; then
        cmake -S "$TALV_ROOT" -B "$TALV_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$TALV_BUILD" --parallel "$(nproc)"
}
