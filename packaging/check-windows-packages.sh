#!/usr/bin/env bash
# Builds the Windows zip and installer and checks them under Wine:
#   packaging/check-windows-packages.sh BUILD_DIR   (configured with cmake/mingw-w64-x86_64.cmake)
# The zip holds the programs, importing only Windows' own DLLs, the guide and
# the tool's manual. The installer, run silently in a scratch Wine prefix, is
# checked as Windows would read what it leaves: files under Program Files, a
# Start menu shortcut whose target is the installed editor, one entry among the
# installed programs with a quiet uninstall, and .npf shared with another
# program by Windows' rules. Each case ends in that quiet uninstall, which must
# leave nothing of ours, and nothing of the other program's missing:
#   1. another program owns .npf: it keeps .npf, we only join its Open with list;
#   2. nobody owns .npf: it becomes ours, and goes with us; installed over
#      itself, then again into another folder: one entry, one set of files.
set -euo pipefail
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-windows.XXXXXX")"
prefix="$scratch/prefix"
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
# Wine's menu builder, which would copy the Start menu and .npf to the host's desktop, is off.
wine() { WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d' /usr/lib/wine/wine64 "${@:2}"; }

(cd "$build" && cpack >/dev/null)
zip="$(ls "$build"/veyrith-*-win64.zip)"
setup="$(ls "$build"/veyrith-*-win64-setup.exe)"
# The editor's console launcher ships beside it.
programs=(veyrith.exe veyrith.com veyrith-npf.exe)
# The guide in English and in each language it is written in.
mapfile -t guides < <(cd "$(dirname "$0")/../docs" && ls guide*.html)
files=("${programs[@]}" "${guides[@]}" veyrith-npf.md)

# What a program imports, read by objdump; none, or no answer, is a failure.
imports() {
    local headers
    headers="$(x86_64-w64-mingw32-objdump -p "$1")" || fail "objdump could not read $1"
    grep -oP 'DLL Name: \K\S+' <<<"$headers" || fail "objdump found no imports in $1"
}
# DLLs every Windows has; anything else would have to ship beside the programs.
windows_dlls='advapi32|authz|comdlg32|d3d9|d3d11|dwmapi|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|'
windows_dlls+='oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|'
windows_dlls+='api-ms-win-core-synch-l1-2-0|api-ms-win-core-winrt-l1-1-0|api-ms-win-core-winrt-string-l1-1-0'
version="$(basename "$zip" | sed -E 's/^veyrith-(.*)-win64\.zip$/\1/')"

mkdir "$scratch/zip"
(cd "$scratch/zip" && cmake -E tar xf "$zip")
top="$scratch/zip/$(basename "$zip" .zip)"
for file in "${files[@]}"; do
    [[ -f "$top/$file" ]] || fail "zip: $file is missing"
done
for program in "${programs[@]}"; do
    foreign="$(imports "$top/$program" | grep -viE "^($windows_dlls)\.dll$" || true)"
    [[ -z "$foreign" ]] || fail "zip: $program needs DLLs that are not Windows' own: $foreign"
done
for program in veyrith.exe veyrith-npf.exe; do
    resources="$(x86_64-w64-mingw32-windres -i "$top/$program" -O rc)" || fail "zip: windres could not read $program"
    grep -qF "VALUE \"FileVersion\", \"$version\"" <<<"$resources" || fail "zip: $program carries no version $version"
    [[ $program != veyrith.exe ]] || grep -q 'Type: group icon' <<<"$resources" || fail "zip: veyrith.exe has no icon"
done
help="$(wine "$build/wine-prefix" "$top/veyrith-npf.exe" --help)"
grep -q '^Usage:' <<<"$help" || fail "zip: veyrith-npf.exe --help printed: $help"
launched="$(wine "$build/wine-prefix" "$top/veyrith.com" --version)"
[[ "$launched" == "veyrith $version"* ]] || fail "zip: veyrith.com --version printed: $launched"
echo "zip: $(basename "$zip") holds ${files[*]}; the programs import only Windows' DLLs and carry version $version; the tool answers --help and veyrith.com --version"

# The target of a shell link (.lnk), read from its LinkInfo as Windows' shell
# link format lays it out: the local base path, then the common path suffix.
shortcut_target() {
    python3 - "$1" <<'PYTHON'
import struct, sys
data = open(sys.argv[1], "rb").read()
link_clsid = bytes.fromhex("0114020000000000c000000000000046")
if len(data) < 0x4C or struct.unpack_from("<I", data)[0] != 0x4C or data[4:20] != link_clsid:
    sys.exit("not a shell link")
flags = struct.unpack_from("<I", data, 0x14)[0]
at = 0x4C
if flags & 0x1:  # HasLinkTargetIDList
    at += 2 + struct.unpack_from("<H", data, at)[0]
if not flags & 0x2:  # HasLinkInfo
    sys.exit("no LinkInfo")
info = data[at:at + struct.unpack_from("<I", data, at)[0]]
header_size, info_flags = struct.unpack_from("<II", info, 4)
base_at, suffix_at = struct.unpack_from("<I", info, 16)[0], struct.unpack_from("<I", info, 24)[0]
if not info_flags & 0x1:  # VolumeIDAndLocalBasePath
    sys.exit("no local path")
def text(at, wide):
    if wide:
        end = next(i for i in range(at, len(info), 2) if info[i:i + 2] == b"\0\0")
        return info[at:end].decode("utf-16-le")
    return info[at:info.index(b"\0", at)].decode("cp1252")
if header_size >= 0x24:
    wide_base_at, wide_suffix_at = struct.unpack_from("<II", info, 28)
    print(text(wide_base_at, True) + text(wide_suffix_at, True))
else:
    print(text(base_at, False) + text(suffix_at, False))
PYTHON
}

classes='HKLM\Software\Classes'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
other='Other.Character'
other_command='"C:\Other\other.exe" "%1"'
# One registry value's data, read with reg query: the default value for "".
value() {
    local selector=(/v "$2")
    [[ -z "$2" ]] && selector=(/ve)
    wine "$prefix" reg query "$1" "${selector[@]}" 2>/dev/null | tr -d '\r' |
        sed -nE 's/^ +.* +REG_[A-Z_]+ *(.*)$/\1/p'
}
exists() { wine "$prefix" reg query "$1" "${@:2}" >/dev/null 2>&1; }
# Everything the registry holds for the machine and the user, as text.
registry() {
    for root in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
        wine "$prefix" regedit /E "$scratch/export.reg" "$root"
        iconv -f UTF-16 -t UTF-8 "$scratch/export.reg"
    done
}
# Runs a program under Wine and waits until every process it started has ended.
settled() {
    wine "$prefix" "$@"
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
}
unix_path() { wine "$prefix" winepath -u "$1" 2>/dev/null | tr -d '\r'; }

# $1 names the case; $2 is the folder the installer was given, if any.
check_installed() {
    local folder="${2:-C:\\Program Files\\Veyrith}"
    local installed shortcuts target listed
    installed="$(realpath "$(unix_path "$folder")")"
    listed="$(cd "$installed" && ls -A | sort)"
    [[ "$listed" == "$(printf '%s\n' "${files[@]}" Uninstall.exe | sort)" ]] ||
        fail "$1: $folder holds: $listed"
    [[ -z "$(find "$prefix/drive_c" -ipath '*/veyrith/*' ! -path "$installed/*" | head -n 1)" ]] ||
        fail "$1: Veyrith's files lie elsewhere too: $(find "$prefix/drive_c" -ipath '*/veyrith/*' ! -path "$installed/*")"
    shortcuts="$(find "$prefix/drive_c" -ipath '*/Start Menu/*' -iname '*veyrith*')"
    [[ "$(wc -l <<<"$shortcuts")" == 1 && "$shortcuts" == *.lnk ]] || fail "$1: Start menu entries: ${shortcuts:-none}"
    target="$(shortcut_target "$shortcuts")" || fail "$1: the Start menu entry is no shortcut: $target"
    [[ "${target,,}" == "${folder,,}\\veyrith.exe" && "$(unix_path "$target")" -ef "$installed/veyrith.exe" ]] ||
        fail "$1: the Start menu entry starts $target"

    [[ "$(registry | grep -ciE '^"DisplayName"=".*veyrith')" == 1 ]] ||
        fail "$1: not one installed-programs entry: $(registry | grep -iE '^"DisplayName"=".*veyrith')"
    [[ "$(value "$uninstall_key\\Veyrith" Publisher)" == "The Veyrith team" ]] || fail "$1: wrong publisher"
    [[ "$(value "$uninstall_key\\Veyrith" QuietUninstallString)" == "\"$folder\\Uninstall.exe\" /S" ]] ||
        fail "$1: quiet uninstall: $(value "$uninstall_key\\Veyrith" QuietUninstallString)"
    [[ "$(value "$classes\\Veyrith.Character\\shell\\open\\command" '')" == "\"$folder\\veyrith.exe\" \"%1\"" ]] ||
        fail "$1: .npf opens with: $(value "$classes\\Veyrith.Character\\shell\\open\\command" '')"
    exists "$classes\\.npf\\OpenWithProgids" /v Veyrith.Character || fail "$1: .npf's Open with list lacks Veyrith"
}
# The quiet uninstall, run as the installed-programs entry gives it.
uninstall() {
    local quiet
    quiet="$(value "$uninstall_key\\Veyrith" QuietUninstallString)"
    [[ "$quiet" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "$1: no quiet uninstall: $quiet"
    settled "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    local left
    left="$(find "$prefix/drive_c" -iname '*veyrith*')"
    [[ -z "$left" ]] || fail "$1: the uninstall left: $left"
    left="$(registry | grep -i veyrith || true)"
    [[ -z "$left" ]] || fail "$1: the uninstall left in the registry: $left"
}
other_owns_npf() {
    [[ "$(value "$classes\\.npf" '')" == "$other" ]] || fail "$1: .npf's default is $(value "$classes\\.npf" '')"
    exists "$classes\\.npf\\OpenWithProgids" /v "$other" || fail "$1: $other left .npf's Open with list"
    [[ "$(value "$classes\\$other\\shell\\open\\command" '')" == "$other_command" ]] || fail "$1: $other's command is gone"
}

wine "$prefix" wineboot --init 2>/dev/null
wine "$prefix" reg add "$classes\\.npf" /ve /d "$other" /f >/dev/null
wine "$prefix" reg add "$classes\\.npf\\OpenWithProgids" /v "$other" /t REG_NONE /f >/dev/null
wine "$prefix" reg add "$classes\\$other\\shell\\open\\command" /ve /d "$other_command" /f >/dev/null
settled "$setup" /S
check_installed "another program's .npf"
other_owns_npf "install beside another program"
uninstall "another program's .npf"
other_owns_npf "uninstall beside another program"
echo "installer: beside another program's .npf, joins its Open with list only, and its uninstall leaves that program's as it was"

wine "$prefix" reg delete "$classes\\.npf" /f >/dev/null
wine "$prefix" reg delete "$classes\\$other" /f >/dev/null
settled "$setup" /S
check_installed "a free .npf"
[[ "$(value "$classes\\.npf" '')" == Veyrith.Character ]] || fail "a free .npf: its default is $(value "$classes\\.npf" '')"
settled "$setup" /S
check_installed "installed twice"
settled "$setup" /S '/D=C:\Games\Veyrith'
check_installed "installed again elsewhere" 'C:\Games\Veyrith'
uninstall "installed twice"
! exists "$classes\\.npf" || fail "installed twice: the uninstall left .npf"
echo "installer: a free .npf opens in the editor; installed over itself (elsewhere too) it leaves one entry, one set of files, one shortcut to the installed veyrith.exe"
echo "uninstaller: each uninstall leaves no file and no registry key of ours"
