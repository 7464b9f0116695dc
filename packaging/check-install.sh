#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and builds its Debian package,
# then checks that a desktop finds everything where it looks for it (character
# files included, as their own MIME type that opens in the editor), and that
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
    usr/share/mime/packages/org.veyrith.Veyrith.xml
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

# The launcher hands the editor the file it opens, of the type the MIME package
# defines; the metainfo names that type and, as its latest release, the version
# the editor reports.
fail() { echo "$1" >&2; exit 1; }
share="$prefix/usr/share"
type="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/org.veyrith.Veyrith.xml")"
[[ -n "$type" ]] || fail "mime: the package defines no type"
entry="$share/applications/org.veyrith.Veyrith.desktop"
grep -qx 'Exec=veyrith %f' "$entry" || fail "desktop entry: Exec does not pass the file (%f)"
grep -qx "MimeType=$type;" "$entry" || fail "desktop entry: MimeType is not $type"
metainfo="$share/metainfo/org.veyrith.Veyrith.metainfo.xml"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "metainfo: does not provide $type"
# Every language the editor speaks names and describes it on the desktop too.
for catalog in "$(dirname "$0")"/../translations/veyrith_*.ts; do
    language="$(basename "$catalog" .ts)" language="${language#veyrith_}"
    for key in "Name[$language]" "GenericName[$language]" "Comment[$language]"; do
        grep -qF "$key=" "$entry" || fail "desktop entry: no $key"
    done
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "metainfo: no summary in $language"
done
version="$("$prefix/usr/bin/veyrith" --version)"
release="$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
[[ "$version" == "veyrith $release" ]] || fail "metainfo: latest release $release, but the editor says $version"

# Built into a MIME database as a desktop builds it, the type is what a file
# manager sees in a character file: by its name, and by its first bytes alone.
mkdir "$prefix/files" "$prefix/home"
export XDG_DATA_HOME="$prefix/home" XDG_DATA_DIRS="$share:/usr/share" GIO_USE_VFS=local
update-mime-database "$share/mime" 2>"$prefix/mime.log" && [[ ! -s "$prefix/mime.log" ]] \
    || fail "mime: update-mime-database refused the package: $(cat "$prefix/mime.log")"
for name in hero.npf HERO.NPF hero; do
    printf 'npf\5\0\0\0' >"$prefix/files/$name"
    found="$(gio info -a standard::content-type "$prefix/files/$name" | sed -n 's/^ *standard::content-type: //p')"
    [[ "$found" == "$type" ]] || fail "mime: $name is taken as '$found', not $type"
done

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
