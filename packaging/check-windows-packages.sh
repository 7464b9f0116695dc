#!/usr/bin/env bash
# Builds the Windows zip and installer and checks them under Wine:
#   packaging/check-windows-packages.sh BUILD_DIR   (configured with cmake/mingw-w64-x86_64.cmake)
# The zip holds both programs, needing no MinGW DLL, the guide and the tool's
# manual. The installer, run silently in a scratch Wine prefix, puts them under
# Program Files with a Start menu entry and makes .npf open in the editor; its
# silent uninstaller takes all of that away again.
set -euo pipefail
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-windows.XXXXXX")"
trap 'WINEPREFIX="$scratch/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
wine() { WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine64 "${@:2}"; }

(cd "$build" && cpack >/dev/null)
zip="$(ls "$build"/veyrith-*-win64.zip)"
setup="$(ls "$build"/veyrith-*-win64-setup.exe)"
programs=(veyrith.exe veyrith.com veyrith-npf.exe)
files=("${programs[@]}" guide.html veyrith-npf.md)

mkdir "$scratch/zip"
(cd "$scratch/zip" && cmake -E tar xf "$zip")
top="$scratch/zip/$(basename "$zip" .zip)"
for file in "${files[@]}"; do
    [[ -f "$top/$file" ]] || fail "zip: $file is missing"
done
for program in "${programs[@]}"; do
    if x86_64-w64-mingw32-objdump -p "$top/$program" | grep -Ei 'DLL Name: (lib|Qt)'; then
        fail "zip: $program needs a DLL that is not Windows' own"
    fi
done
help="$(wine "$build/wine-prefix" "$top/veyrith-npf.exe" --help)"
grep -q '^Usage:' <<<"$help" || fail "zip: veyrith-npf.exe --help printed: $help"
version="$(wine "$build/wine-prefix" "$top/veyrith.com" --version)"
grep -q '^veyrith [0-9]' <<<"$version" || fail "zip: veyrith.com --version printed: $version"
echo "zip: $(basename "$zip") holds ${files[*]}; the tool answers --help and veyrith.com --version under Wine"

prefix="$scratch/prefix"
wine "$prefix" wineboot --init 2>/dev/null
wine "$prefix" "$setup" /S
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
installed="$prefix/drive_c/Program Files/Veyrith"
for file in "${files[@]}"; do
    [[ -f "$installed/$file" ]] || fail "installer: Program Files/Veyrith/$file is missing"
done
shortcut="$(find "$prefix/drive_c" -path '*Start Menu/Programs/Veyrith/Veyrith.lnk')"
[[ -n "$shortcut" ]] || fail "installer: no Start menu entry"
query() { wine "$prefix" reg query "$1" /ve 2>/dev/null | tr -d '\r'; }
registered() { wine "$prefix" reg query "$1" >/dev/null 2>&1; }
registered 'HKCR\Veyrith.Character' || fail "installer: the file type is not registered"
grep -q 'Veyrith\.Character' <<<"$(query 'HKCR\.npf')" || fail "installer: .npf is not registered"
command="$(query 'HKCR\Veyrith.Character\shell\open\command')"
grep -qF '"C:\Program Files\Veyrith\veyrith.exe" "%1"' <<<"$command" || fail "installer: .npf opens with: $command"
echo "installer: $(basename "$setup") installs ${files[*]}, a Start menu entry and .npf's association"

wine "$prefix" "$installed/Uninstall.exe" /S
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
# The uninstaller runs a copy of itself and returns at once; the copy may still be at work.
for _ in $(seq 50); do
    [[ -e "$installed/veyrith.exe" || -e "$shortcut" ]] || break
    sleep 0.2
done
for file in "${files[@]}"; do
    [[ ! -e "$installed/$file" ]] || fail "uninstaller: $file is still there"
done
[[ ! -e "$shortcut" ]] || fail "uninstaller: the Start menu entry is still there"
if registered 'HKCR\.npf' || registered 'HKCR\Veyrith.Character'; then
    fail "uninstaller: .npf is still registered"
fi
echo "uninstaller: everything is gone again"
