#!/usr/bin/env bash
# The real veyrith.exe under Wine, on an X server with a window manager: given
# a character file on its command line, its caption must end in the file's
# Windows path; the system menu's last entry opens the about box; closing the
# window ends the program.
#   tests/windows_smoke.sh VEYRITH_EXE SAMPLE WINE_PREFIX
set -euo pipefail
exe="$(realpath "$1")" sample="$2"
export WINEPREFIX="$(realpath "$3")" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
scratch="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-smoke.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/a folder"
cp "$sample" "$scratch/a folder/hero.npf"
# A window manager without key bindings: its own would take Alt+Space.
cat >"$scratch/openbox.xml" <<'XML'
<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/><mouse/></openbox_config>
XML

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$exe" "$scratch" <<'INNER'
set -euo pipefail
exe="$1" file="$2/a folder/hero.npf"
fail() { echo "$*" >&2; exit 1; }
# The first window whose name matches, within a few seconds, or none.
window() {
    for _ in $(seq 100); do
        xdotool search --name "$1" 2>/dev/null | head -n 1 && return
        sleep 0.1
    done
}
openbox --config-file "$2/openbox.xml" >/dev/null 2>&1 &
trap 'kill %1 2>/dev/null || true' EXIT

windows_path="$(/usr/lib/wine/wine64 winepath -w "$file" 2>/dev/null | tr -d '\r')"
/usr/lib/wine/wine64 "$exe" "$windows_path" 2>/dev/null &
editor=$!
main="$(window '^Veyrith 2 by')"
[[ -n "$main" ]] || fail "no editor window"
caption="$(xdotool getwindowname "$main")"
[[ "$caption" == "Veyrith 2 by the Veyrith team - $windows_path" ]] || fail "caption: $caption"

# Alt+Space opens the system menu; Up wraps round to its last entry.
xdotool windowactivate --sync "$main"
xdotool key --delay 300 alt+space Up Return
about="$(window '^About Veyrith$')"
[[ -n "$about" ]] || fail "the system menu's last entry opened no about box"
xdotool windowactivate --sync "$about" key Return

for _ in $(seq 50); do
    [[ -z "$(xdotool search --name '^About Veyrith$' 2>/dev/null)" ]] && break
    sleep 0.1
done
xdotool windowactivate --sync "$main" key alt+F4
wait "$editor" || fail "veyrith.exe ended with $?"
echo "veyrith.exe showed \"$caption\", its system menu's about box, and closed"
INNER
