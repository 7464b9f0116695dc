#!/usr/bin/env bash
# Start-up time and peak memory of the editor's window against a bare Qt dialog
# with a tab widget, side by side in one X server:
#   bench/startup.sh BUILD_DIR
set -euo pipefail
bin="$1/bin"
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$bin" <<'INNER'
bin="$1"
table=$(mktemp)
hyperfine --warmup 5 --runs 40 --export-markdown "$table" --style none \
    -n "bare dialog" "$bin/startup_bare_dialog" -n "editor window" "$bin/startup_editor_window" >/dev/null
cat "$table"
rm -f "$table"
for program in startup_bare_dialog startup_editor_window; do
    peak=0
    for _ in 1 2 3 4 5; do
        kib=$( { /usr/bin/time -f %M "$bin/$program" >/dev/null; } 2>&1 | tail -n 1)
        (( kib > peak )) && peak=$kib
    done
    echo "$program: peak resident memory ${peak} KiB"
done
INNER
