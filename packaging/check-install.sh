#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and builds its Debian package,
# then checks that a desktop finds everything where it looks for it, and that
# the package ships stripped programs while the build tree keeps its debug
# information:
#   packaging/check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-install.XXXXXX")"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix/usr" >/dev/null
expected=(
    usr/bin/veyrith
    usr/bin/veyrith-npf
    usr/share/veyrith/guide.html
    usr/share/applications/org.veyrith.Veyrith.desktop
    usr/share/metainfo/org.veyrith.Veyrith.metainfo.xml
    usr/share/icons/hicolor/16x16/apps/org.veyrith.Veyrith.png
    usr/share/icons/hicolor/32x32/apps/org.veyrith.Veyrith.png
    usr/share/icons/hicolor/48x48/apps/org.veyrith.Veyrith.png
    usr/share/icons/hicolor/scalable/apps/org.veyrith.Veyrith.svg
)
for path in "${expected[@]}"; do
    [[ -e "$prefix/$path" ]] || { echo "install: $path is missing" >&2; exit 1; }
done
desktop-file-validate "$prefix/usr/share/applications/org.veyrith.Veyrith.desktop"
appstreamcli validate --no-net --pedantic "$prefix/usr/share/metainfo/org.veyrith.Veyrith.metainfo.xml" >/dev/null

# The package holds the same files and names its runtime libraries.
(cd "$build" && cpack -G DEB >/dev/null 2>&1)
package="$(ls "$build"/veyrith_*.deb | head -n 1)"
contents="$(dpkg-deb -c "$package" | awk '{print $6}' | sed 's|^\./||')"
for path in "${expected[@]}"; do
    grep -qx "$path" <<<"$contents" || { echo "package: $path is missing" >&2; exit 1; }
done
depends="$(dpkg-deb -f "$package" Depends)"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || { echo "package: does not depend on $library ($depends)" >&2; exit 1; }
done
recommends="$(dpkg-deb -f "$package" Recommends)"
grep -q xdg-utils <<<"$recommends" || { echo "package: does not recommend xdg-utils" >&2; exit 1; }

has_debug() { [[ "$(readelf -S --wide "$1")" == *' .debug_'* ]]; }
dpkg-deb -x "$package" "$prefix/deb"
for program in veyrith veyrith-npf; do
    ! has_debug "$prefix/deb/usr/bin/$program" || { echo "package: $program carries debug sections" >&2; exit 1; }
    has_debug "$build/bin/$program" || { echo "build: $program lost its debug information" >&2; exit 1; }
done
echo "install and package: ${#expected[@]} files in place, programs stripped ($(du -sh "$prefix/deb/usr/bin" | cut -f1))," \
    "depends on: $depends; recommends: $recommends"
