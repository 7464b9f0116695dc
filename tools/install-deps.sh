#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, and
# returns at once when every one of them is already there:
#   tools/install-deps.sh           the native build
#   tools/install-deps.sh windows   the MinGW-w64 cross-build and Wine for its tests
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libgtest-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth imagemagick fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file hyperfine time
)
if [[ "${1:-}" == windows ]]; then
    packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest libcli11-dev nlohmann-json3-dev wine64
        qt6-base-dev dpkg-dev xz-utils nsis xvfb xauth openbox xdotool x11-utils)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]}; run as root or install them with apt-get." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
