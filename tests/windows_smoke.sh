#!/usr/bin/env bash
# The real veyrith.exe under Wine, on an X server with a window manager: given
# a character file on its command line, its caption must end in the file's
# Windows path; Ctrl+O shows the system's Open dialog; the system menu's last
# entry opens the about box; closing the window ends the program.
#   tests/windows_smoke.sh VEYRITH_EXE SAMPLE WINE_PREFIX
set -euo pipefail
exe="$(realpath "$1")" sample="$2" prefix="$(realpath "$3")"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
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
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
trap 'kill %1 2>/dev/null || true' EXIT

windows_path="$(/usr/lib/wine/wine64 winepath -w "$file" 2>/dev/null | tr -d '\r')"
/usr/lib/wine/wine64 "$exe" "$windows_path" 2>/dev/null &
editor=$!
main="$(window '^Veyrith 2 by')"
[[ -n "$main" ]] || fail "no editor window"
# The window may show before the file is in it.
for _ in $(seq 100); do
    caption="$(xdotool getwindowname "$main")"
    [[ "$caption" == "Veyrith 2 by the Veyrith team - $windows_path" ]] && break
    sleep 0.1
done
[[ "$caption" == "Veyrith 2 by the Veyrith team - $windows_path" ]] || fail "caption: $caption"

# Ctrl+O shows the system's own Open dialog (Wine gives it no title, so it
# is seen by the windows it adds); Escape cancels it.
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
settles() {
    for _ in $(seq 30); do
        [ "$(visible)" "$1" "$2" ] && return
        sleep 0.1
    done
    return 1
}
# A key on the editor's window until the windows shown answer it: Wine may
# still be handing the focus back from a dialog that just closed.
press() {
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$main" key "$1" 2>/dev/null
        settles "$2" "$3" && return
    done
    return 1
}
# Counted once the window has stopped adding windows of its own.
before=-1
while [[ "$before" != "$(visible)" ]]; do
    before="$(visible)"
    sleep 0.5
done
press ctrl+o -gt "$before" || fail "Ctrl+O showed no Open dialog"
sleep 0.5
xdotool key Escape
settles -eq "$before" || fail "Escape left the Open dialog open"

# Alt+Space opens the system menu; Up wraps round to its last entry.
press alt+space -gt "$before" || fail "Alt+Space opened no system menu"
xdotool key Up Return
about="$(window '^About Veyrith$')"
[[ -n "$about" ]] || fail "the system menu's last entry opened no about box"
xdotool windowactivate --sync "$about" key Return 2>/dev/null

for _ in $(seq 50); do
    [[ -z "$(xdotool search --name '^About Veyrith$' 2>/dev/null)" ]] && break
    sleep 0.1
done
xdotool windowactivate --sync "$main" key alt+F4 2>/dev/null
wait "$editor" || fail "veyrith.exe ended with $?"
echo "veyrith.exe showed \"$caption\", the Open dialog, its system menu's about box, and closed"
INNER
