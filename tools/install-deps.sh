#!/usr/bin/env bash
# Installs the Debian packages a build needs, and returns at once when every one
# of them is already there:
#   tools/install-deps.sh           building and starting the programs (make run)
#   tools/install-deps.sh test      that, and what the tests, benchmarks, fuzzers
#                                   and the install check need (make test)
#   tools/install-deps.sh windows   the MinGW-w64 cross-build and Wine for its tests
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-dejavu-core
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libcli11-dev nlohmann-json3-dev
)
if [[ "${1:-}" == test ]]; then
    packages+=(
        libgtest-dev libbenchmark-dev hyperfine time
        clang-14 libclang-rt-14-dev locales
        xvfb xauth imagemagick
        desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file
    )
fi
if [[ "${1:-}" == windows ]]; then
    packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest libcli11-dev nlohmann-json3-dev wine64
        qt6-base-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n dpkg-dev xz-utils nsis xvfb xauth openbox
        xdotool x11-utils python3)
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
