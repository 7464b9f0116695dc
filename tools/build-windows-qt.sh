#!/usr/bin/env bash
# A static Qt 6 for 64-bit Windows (MinGW-w64), made from Debian's own qt6-base
# source package. Prints the ready prefix on its last line of output. Taken from
# the first of these that is there:
#   1. VEYRITH_WINDOWS_QT, a prefix made by this script (or the same recipe);
#   2. this script's cache, ${XDG_CACHE_HOME:-~/.cache}/veyrith/qt6-mingw-6.4.2;
#   3. ../shared/qt6-mingw-6.4.2-static.tar.xz beside the repository, unpacked into
#      the cache once its SHA-256 matches;
#   4. otherwise built into the cache: about 1,050 steps, half an hour on 2 cores.
# Usage: tools/build-windows-qt.sh [--build]   (--build skips 1 and 3)
# VEYRITH_QT_CONFIGURE_ONLY=1 stops after Qt's configuration, to try the recipe cheaply.
set -euo pipefail
cd "$(dirname "$0")/.."

version=6.4.2
cache="${XDG_CACHE_HOME:-$HOME/.cache}/veyrith"
prefix="$cache/qt6-mingw-$version"
archive="../shared/qt6-mingw-$version-static.tar.xz"
archive_sha256=d3b7f95f9c8d3d864c217c99bc08a4e718b4ad94ab496129e6a01c3d67a48f31

# A prefix is ready when CMake can find Qt's widgets in it.
ready() { [[ -f "$1/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]]; }

build_only=no
[[ "${1:-}" == --build ]] && build_only=yes

if [[ $build_only == no && -n "${VEYRITH_WINDOWS_QT:-}" ]]; then
    ready "$VEYRITH_WINDOWS_QT" || { echo "VEYRITH_WINDOWS_QT=$VEYRITH_WINDOWS_QT holds no Qt" >&2; exit 1; }
    echo "$VEYRITH_WINDOWS_QT"
    exit 0
fi
if [[ $build_only == no ]] && ready "$prefix"; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
if [[ $build_only == no && -f "$archive" ]]; then
    if echo "$archive_sha256  $archive" | sha256sum --check --status; then
        echo "Unpacking $archive into $cache" >&2
        unpacked="$(mktemp -d "$cache/unpack.XXXXXX")"
        tar -xJf "$archive" -C "$unpacked"
        rm -rf "$prefix"
        mv "$unpacked/qt6-mingw" "$prefix"
        rmdir "$unpacked"
        ready "$prefix" && { echo "$prefix"; exit 0; }
        echo "$archive holds no usable Qt; building it" >&2
    else
        echo "$archive does not match its SHA-256; building Qt instead" >&2
    fi
fi

# Debian's source package, fetched with an apt configuration of this script's
# own: a deb-src list and package lists in the cache, so the machine's own
# package lists stay as they are.
work="$cache/qt-build"
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$work/src"
echo "deb-src http://deb.debian.org/debian bookworm main" >"$apt_dir/sources.list"
apt_options=(-o Dir::Etc::sourcelist="$apt_dir/sources.list" -o Dir::Etc::sourceparts=-
    -o Dir::State::Lists="$apt_dir/lists" -o APT::Get::List-Cleanup=0)
echo "Fetching Debian's qt6-base source" >&2
apt-get "${apt_options[@]}" update -qq >&2
source_dir=$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$version*" | head -n 1)
if [[ -z "$source_dir" ]]; then
    (cd "$work/src" && apt-get "${apt_options[@]}" source --only-source -qq qt6-base >&2)
    source_dir=$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$version*" | head -n 1)
fi
[[ -n "$source_dir" ]] || { echo "apt-get source qt6-base gave no qt6-base-$version" >&2; exit 1; }

toolchain="$PWD/cmake/mingw-w64-base.cmake"

# Each feature below is off for a reason: not needed by the editor, or a trap
# of the Debian tarball. The tarball lacks src/3rdparty/wintab (tabletevent);
# with OpenGL off, dynamicgl would stay on and break the platform plugin; with
# Direct2D off, directwrite3 would stay on and need a font database QtGui did
# not build.
features=(opengl dynamicgl dbus sql network printsupport concurrent xml vulkan icu glib pkg_config
    direct2d directwrite3 tabletevent system_zlib)
feature_options=()
for feature in "${features[@]}"; do
    feature_options+=("-DFEATURE_$feature=OFF")
done

# Every copy of an inline function a program holds may come from another
# object, compiled otherwise: no caller may trust a callee's register use.
staging="$work/prefix"
rm -rf "$work/build" "$staging"
cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$staging" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DCMAKE_C_FLAGS=-fno-ipa-ra -DCMAKE_CXX_FLAGS=-fno-ipa-ra \
    "${feature_options[@]}" >&2
[[ "${VEYRITH_QT_CONFIGURE_ONLY:-}" == 1 ]] && { echo "configured in $work/build" >&2; exit 0; }
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
rm -rf "$prefix"
mv "$staging" "$prefix"
echo "$prefix"
