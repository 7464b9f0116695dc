#!/usr/bin/env bash
# Runs every fuzz target for a fixed budget on a copy of its seed corpus:
#   fuzz/run-fuzzers.sh BUILD_DIR
# BUILD_DIR is a build configured with VEYRITH_FUZZ=ON and already built.
# Fails on the first finding and keeps the input that caused it.
# FUZZ_SECONDS shortens or lengthens the budget of each target (default 30).
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
bin_dir="$1/bin"
corpus_dir="$(cd "$(dirname "$0")" && pwd)/corpus"
seconds="${FUZZ_SECONDS:-30}"
targets=(fuzz_reader fuzz_conversions fuzz_cp1252)

# Findings are reported by libFuzzer itself; the sanitizers must stop at the first.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

for target in "${targets[@]}"; do
    if [[ ! -x "$bin_dir/$target" ]]; then
        echo "$target: not built in $bin_dir" >&2
        exit 2
    fi
done

# The runs grow their corpus; a scratch copy keeps the repository as it is.
work="$(mktemp -d "${TMPDIR:-/tmp}/veyrith-fuzz.XXXXXX")"
status=0
for target in "${targets[@]}"; do
    mkdir -p "$work/$target/corpus" "$work/$target/findings"
    cp "$corpus_dir/$target"/* "$work/$target/corpus/"
    log="$work/$target/log"
    if "$bin_dir/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target/findings/" "$work/$target/corpus" >"$log" 2>&1; then
        executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        per_second="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
        echo "$target: clean after ${seconds}s, ${executions} executions, ${per_second} executions/s"
    else
        status=1
        echo "$target: FINDING; the last lines of its log ($log):" >&2
        tail -n 40 "$log" >&2
        echo "$target: the failing input is kept in $work/$target/findings/" >&2
    fi
done

if [[ $status -eq 0 ]]; then
    rm -rf "$work"
fi
exit $status
