#!/usr/bin/env bash
# Start-up time of the Windows editor's window against a bare static Qt dialog
# with a tab widget, both under Wine, side by side in one X server with one
# running wineserver (so Wine's own start is paid once, by neither):
#   bench/startup-windows.sh BUILD_DIR   (the cross build, with its start-up programs built)
set -euo pipefail
bin="$(cd "$1" && pwd)/bin"
prefix="$(cd "$1" && pwd)/wine-prefix"
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$bin" "$prefix" <<'INNER'
set -euo pipefail
bin="$1"
export WINEPREFIX="$2" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
openbox >/dev/null 2>&1 &
/usr/lib/wine/wineserver -p
trap "/usr/lib/wine/wineserver -k; kill %1" EXIT
table=$(mktemp)
hyperfine --warmup 5 --runs 40 --export-markdown "$table" --style none \
    -n "bare dialog" "/usr/lib/wine/wine64 $bin/startup_bare_dialog.exe" \
    -n "editor window" "/usr/lib/wine/wine64 $bin/startup_editor_window.exe" >/dev/null
cat "$table"
rm -f "$table"
INNER
