#!/usr/bin/env bash
# Runs every fuzz target of a built VEYRITH_FUZZ=ON tree (the argument) for FUZZ_SECONDS
# each (default 30) on a copy of its seeds; fails on a finding and keeps its input.
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
seconds="${FUZZ_SECONDS:-30}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

work="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-fuzz.XXXXXX")"
status=0
for target in fuzz_reader fuzz_conversions fuzz_snapshot; do
    [[ -x "$1/bin/$target" ]] || { echo "$target: not built in $1/bin" >&2; exit 2; }
    mkdir -p "$work/$target/findings"
    cp -r "$(dirname "$0")/corpus/$target" "$work/$target/corpus"
    log="$work/$target/log"
    if "$1/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target/findings/" "$work/$target/corpus" >"$log" 2>&1; then
        echo "$target: clean after ${seconds}s, $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions"
    else
        status=1
        echo "$target: FINDING, its input kept in $work/$target/findings/; the end of $log:" >&2
        tail -n 40 "$log" >&2
    fi
done
[[ $status -ne 0 ]] || rm -rf "$work"
exit $status
