#!/usr/bin/env bash
# veyrith-npf show --json over many small character files against cat of the
# same files, side by side (goal: at most 1.5 times cat's time):
#   bench/show_json.sh BUILD_DIR [COUNT [SIZE]]      (default 10000 files of 4096 bytes)
set -euo pipefail
bin="$(realpath "$1/bin")"
count="${2:-10000}"
size="${3:-4096}"
party="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-party.XXXXXX")"
trap 'rm -rf "$party"' EXIT
"$bin/make_party" "$party/files" "$count" "$size"
cd "$party/files"
lines=$("$bin/veyrith-npf" show --json -- *.npf | wc -l)
[[ "$lines" -eq "$count" ]] || { echo "show --json printed $lines lines for $count files" >&2; exit 1; }
# The warm-up runs put every file in the page cache for both commands. The
# table gives the wall-clock times; above it, hyperfine's own report adds the
# user and system times, which a busy machine disturbs less.
hyperfine --warmup 3 --runs 20 --export-markdown "$party/table" --style basic \
    -n cat "cat -- *.npf" -n "show --json" "$bin/veyrith-npf show --json -- *.npf"
echo
cat "$party/table"
