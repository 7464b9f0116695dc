#!/usr/bin/env bash
# The real veyrith.exe under Wine on an X server: its caption names the file
# given; Ctrl+O opens the system's dialog, a window of the system's dialog
# class owned by the editor; the system menu's last entry opens the about box;
# closing the window ends the program. veyrith.com given a file returns while
# the window it opened stays.
#   tests/windows_smoke.sh VEYRITH_EXE SAMPLE WINE_PREFIX TOP_WINDOWS_EXE
set -euo pipefail
exe="$(realpath "$1")" sample="$2" prefix="$(realpath "$3")" lister="$(realpath "$4")"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
scratch="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-smoke.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/a folder"
cp "$sample" "$scratch/a folder/hero.npf"
# A window manager without key bindings: its own would take Alt+Space.
cat >"$scratch/openbox.xml" <<'XML'
<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/><mouse/></openbox_config>
XML

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$exe" "$scratch" "$lister" <<'INNER'
set -euo pipefail
exe="$1" file="$2/a folder/hero.npf" lister="$3"
fail() { echo "$*" >&2; exit 1; }
# A command tried every tenth of a second, tries times (default 100), until it succeeds.
retry() {
    for _ in $(seq "${tries:-100}"); do
        "$@" 2>/dev/null && return
        sleep 0.1
    done
    return 1
}
window() { xdotool search --name "$1" | head -n 1; }
managed() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
openbox --config-file "$2/openbox.xml" >/dev/null 2>&1 &
retry managed || true
trap 'kill %1 2>/dev/null || true' EXIT

windows_path="$(/usr/lib/wine/wine64 winepath -w "$file" 2>/dev/null | tr -d '\r')"
/usr/lib/wine/wine64 "$exe" "$windows_path" 2>/dev/null &
editor=$!
main="$(retry window '^Veyrith 2 by')" || fail "no editor window"
# The window may show before the file is in it.
titled() {
    caption="$(xdotool getwindowname "$main")"
    [[ "$caption" == "Veyrith 2 by the Veyrith team - $windows_path" ]]
}
retry titled || fail "caption: $caption"

# The system's dialogs (the Open dialog, not Qt's own nor a message box of
# Qt's) are windows of class #32770; the editor's is owned by its window.
windows() { /usr/lib/wine/wine64 "$lister" 2>/dev/null | tr -d '\r'; }
owned_dialog=$'^#32770\t.*\tVeyrith 2 by'
system_dialog() { windows | grep -q "$owned_dialog"; }
# Read as a whole list that holds the editor, so that a failed read is no pass.
no_system_dialog() {
    local list
    list="$(windows)" && grep -q $'^[^\t]*\tVeyrith 2 by' <<<"$list" && ! grep -q "$owned_dialog" <<<"$list"
}
# The system menu is seen by the X windows it adds.
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
shown() { [ "$(visible)" "$1" "$2" ]; }
# Pressed again while Wine may still hand the focus back from a closed dialog.
press() {
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$main" key "$1" 2>/dev/null
        tries="${tries:-30}" retry "${@:2}" && return
    done
    return 1
}
# Each look runs a program under Wine, so fewer looks than for X's windows.
tries=10 press ctrl+o system_dialog ||
    fail "Ctrl+O showed no system Open dialog owned by the editor; the windows were:"$'\n'"$(windows)"
xdotool key Escape
tries=10 retry no_system_dialog || fail "Escape left the Open dialog open"
# Counted once the window has stopped adding windows of its own.
before=-1
while [[ "$before" != "$(visible)" ]]; do
    before="$(visible)"
    sleep 0.5
done

# Alt+Space opens the system menu; Up wraps round to its last entry.
press alt+space shown -gt "$before" || fail "Alt+Space opened no system menu"
xdotool key Up Return
about="$(retry window '^About Veyrith$')" || fail "the system menu's last entry opened no about box"
xdotool windowactivate --sync "$about" key Return 2>/dev/null
closed() { ! xdotool search --name '^About Veyrith$' >/dev/null; }
tries=50 retry closed || true
xdotool windowactivate --sync "$main" key alt+F4 2>/dev/null
wait "$editor" || fail "veyrith.exe ended with $?"

# Typed as "veyrith FILE", veyrith.com opens the window and returns at once.
/usr/lib/wine/wine64 "${exe%.exe}.com" "$windows_path" >/dev/null 2>&1 || fail "veyrith.com ended with $?"
second="$(retry window '^Veyrith 2 by')" || fail "veyrith.com opened no editor window"
xdotool windowactivate --sync "$second" key alt+F4 2>/dev/null
gone() { ! xdotool search --name '^Veyrith 2 by' >/dev/null; }
tries=50 retry gone || fail "the editor veyrith.com started did not close"
echo "veyrith.exe showed \"$caption\", the Open dialog, its system menu's about box, and closed;"
echo "veyrith.com returned while the window it opened stayed"
INNER
