#!/usr/bin/env bash
# Builds the Windows zip of veyrith-npf and checks that it holds the tool and
# its documentation, that the tool needs no MinGW DLL, and that it answers
# --help under Wine:
#   packaging/check-windows-zip.sh BUILD_DIR   (configured with cmake/mingw-w64-x86_64.cmake)
set -euo pipefail
build="$(cd "$1" && pwd)"
unpacked="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-zip.XXXXXX")"
trap 'rm -rf "$unpacked"' EXIT

(cd "$build" && cpack -G ZIP >/dev/null)
zip="$(ls "$build"/veyrith-npf-*-win64.zip)"
(cd "$unpacked" && cmake -E tar xf "$zip")
top="$unpacked/$(basename "$zip" .zip)"
for file in veyrith-npf.exe veyrith-npf.md; do
    [[ -f "$top/$file" ]] || { echo "zip: $file is missing" >&2; exit 1; }
done
if x86_64-w64-mingw32-objdump -p "$top/veyrith-npf.exe" | grep -Ei 'DLL Name: lib(stdc|gcc|winpthread)'; then
    echo "zip: veyrith-npf.exe needs a MinGW DLL" >&2
    exit 1
fi
help="$(WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= \
    /usr/lib/wine/wine64 "$top/veyrith-npf.exe" --help)"
grep -q '^Usage:' <<<"$help" || { echo "zip: veyrith-npf.exe --help printed: $help" >&2; exit 1; }
echo "zip: $(basename "$zip") holds the tool, which answers --help under Wine"
