#!/usr/bin/env bash
# Runs every fuzz target of a built VEYRITH_FUZZ=ON tree for FUZZ_SECONDS each
# (default 30) on a copy of its seeds; fails on a finding and keeps its input:
#   fuzz/run-fuzzers.sh BUILD_DIR
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
corpus_dir="$(cd "$(dirname "$0")" && pwd)/corpus"
seconds="${FUZZ_SECONDS:-30}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

work="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-fuzz.XXXXXX")"
status=0
for target in fuzz_reader fuzz_conversions; do
    binary="$1/bin/$target"
    [[ -x "$binary" ]] || { echo "$target: not built in $1/bin" >&2; exit 2; }
    mkdir -p "$work/$target/corpus" "$work/$target/findings"
    cp "$corpus_dir/$target"/* "$work/$target/corpus/"
    log="$work/$target/log"
    if "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target/findings/" "$work/$target/corpus" >"$log" 2>&1; then
        stat() { sed -n "s/^stat::$1: *//p" "$log"; }
        echo "$target: clean after ${seconds}s, $(stat number_of_executed_units) executions," \
            "$(stat average_exec_per_sec) executions/s"
    else
        status=1
        echo "$target: FINDING, its input kept in $work/$target/findings/; the end of $log:" >&2
        tail -n 40 "$log" >&2
    fi
done
[[ $status -ne 0 ]] || rm -rf "$work"
exit $status
