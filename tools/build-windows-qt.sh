#!/usr/bin/env bash
# A static Qt 6 for 64-bit Windows (MinGW-w64), made from Debian's own qt6-base
# source package. Prints the ready prefix on its last line of output. Taken from
# the first of these that is there and made by this script's recipe:
#   1. VEYRITH_WINDOWS_QT, a prefix made by this script (a mismatch is an error);
#   2. this script's cache, ${XDG_CACHE_HOME:-~/.cache}/veyrith/qt6-mingw-6.4.2;
#   3. ../shared/qt6-mingw-6.4.2-r2-static.tar.xz beside the repository, unpacked
#      into the cache once its SHA-256 matches;
#   4. otherwise built into the cache: about 1,050 steps, half an hour on 2 cores.
# A prefix is made by the recipe when its stamp (qt-recipe.txt, written by this
# script as it builds or unpacks) holds the recipe below, flags and features
# alike: a prefix of an older recipe is never taken again.
# Usage: tools/build-windows-qt.sh [--build]   (--build skips 1 and 3)
#        tools/build-windows-qt.sh --check PREFIX   (succeeds when PREFIX's stamp matches)
#        tools/build-windows-qt.sh --stamp-sha256   (the digest to pin with a new archive)
# VEYRITH_QT_CONFIGURE_ONLY=1 stops after Qt's configuration, to try the recipe cheaply.
set -euo pipefail
cd "$(dirname "$0")/.."

version=6.4.2
cache="${XDG_CACHE_HOME:-$HOME/.cache}/veyrith"
prefix="$cache/qt6-mingw-$version"
archive="../shared/qt6-mingw-$version-r2-static.tar.xz"
archive_sha256=3d7b9b67191fedd0648791d2cbddc8939d266300cbf7994263fce0a30347e4a3

# Each feature below is off for a reason: not needed by the editor, or a trap
# of the Debian tarball. The tarball lacks src/3rdparty/wintab (tabletevent);
# with OpenGL off, dynamicgl would stay on and break the platform plugin; with
# Direct2D off, directwrite3 would stay on and need a font database QtGui did
# not build.
features=(opengl dynamicgl dbus sql network printsupport concurrent xml vulkan icu glib pkg_config
    direct2d directwrite3 tabletevent system_zlib)
# Every copy of an inline function a program holds may come from another
# object, compiled otherwise: no caller may trust a callee's register use.
recipe=(-DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DCMAKE_C_FLAGS=-fno-ipa-ra -DCMAKE_CXX_FLAGS=-fno-ipa-ra)
for feature in "${features[@]}"; do
    recipe+=("-DFEATURE_$feature=OFF")
done

# The stamp: what was built, from what, and how; one option a line.
stamp_name=qt-recipe.txt
stamp() {
    echo "Qt $version, static, from Debian's qt6-base source, for x86_64-w64-mingw32 (posix threads)"
    printf '%s\n' "${recipe[@]}"
}
# The pinned archive was made by tools/build-windows-qt.sh --build with this
# recipe, whose stamp has this SHA-256. A change of the recipe leaves the
# archive unused until a new one is made and pinned.
archive_stamp_sha256=d36df8fecbd5c73b538e45cd7bfd599390aa0d337ca2c6e8ed903260478ac4e7

# A prefix is ready when CMake can find Qt's widgets in it and its stamp is this recipe's.
ready() {
    [[ -f "$1/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" && -f "$1/$stamp_name" ]] &&
        cmp -s "$1/$stamp_name" <(stamp)
}

# Puts a stamped Qt in the cache's place. A build that still reads the Qt it
# replaces loses its files for no longer than two renames.
install_prefix() {
    local old=""
    if [[ -e "$prefix" ]]; then
        old="$(mktemp -d "$cache/replaced.XXXXXX")"
        mv "$prefix" "$old/"
    fi
    mv "$1" "$prefix"
    [[ -z "$old" ]] || rm -rf "$old"
}

case "${1:-}" in
--check)
    ready "${2:?--check needs a prefix}" && exit 0
    echo "$2 is not a static Qt made by tools/build-windows-qt.sh's recipe (no matching $stamp_name)" >&2
    exit 1
    ;;
--stamp-sha256)
    stamp | sha256sum | cut -d ' ' -f 1
    exit 0
    ;;
--build) build_only=yes ;;
'') build_only=no ;;
*)
    echo "Usage: tools/build-windows-qt.sh [--build | --check PREFIX]" >&2
    exit 2
    ;;
esac

if [[ $build_only == no && -n "${VEYRITH_WINDOWS_QT:-}" ]]; then
    "$0" --check "$VEYRITH_WINDOWS_QT" || exit 1
    echo "$VEYRITH_WINDOWS_QT"
    exit 0
fi
if [[ $build_only == no ]] && ready "$prefix"; then
    echo "$prefix"
    exit 0
fi
if [[ -e "$prefix" ]]; then
    echo "$prefix was not made by this recipe; replacing it" >&2
fi

mkdir -p "$cache"
if [[ $build_only == no && -f "$archive" ]]; then
    if ! echo "$archive_sha256  $archive" | sha256sum --check --status; then
        echo "$archive does not match its SHA-256; building Qt instead" >&2
    elif [[ "$(stamp | sha256sum | cut -d ' ' -f 1)" != "$archive_stamp_sha256" ]]; then
        echo "$archive was made by another recipe than this script's; building Qt instead" >&2
    else
        echo "Unpacking $archive into $cache" >&2
        unpacked="$(mktemp -d "$cache/unpack.XXXXXX")"
        tar -xJf "$archive" -C "$unpacked"
        stamp >"$unpacked/qt6-mingw/$stamp_name"
        install_prefix "$unpacked/qt6-mingw"
        rmdir "$unpacked"
        ready "$prefix" && { echo "$prefix"; exit 0; }
        echo "$archive holds no usable Qt; building it" >&2
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

staging="$work/prefix"
rm -rf "$work/build" "$staging"
cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-base.cmake" \
    -DCMAKE_INSTALL_PREFIX="$staging" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${recipe[@]}" >&2
[[ "${VEYRITH_QT_CONFIGURE_ONLY:-}" == 1 ]] && { echo "configured in $work/build" >&2; exit 0; }
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
stamp >"$staging/$stamp_name"
install_prefix "$staging"
echo "$prefix"
