#!/usr/bin/env bash
# Long fuzzing campaigns: builds the fuzz targets (sanitized, optimised, the
# libraries they test instrumented for coverage), runs each for SECONDS
# (default 600) one after another, keeping its corpus under build/fuzz between
# runs, and prints per target the executions, executions a second, edges (cov)
# and features (ft), and any crash with the file that reproduces it. Inputs
# that add coverage are merged, minimized, into fuzz/seeds/<target>, which the
# test command's short runs start from.
#   tools/fuzz.sh [SECONDS]
# TICKWRIGHT_FUZZ_TARGETS="FuzzA FuzzB" limits the campaign to those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
source tools/packages.sh
ensure_packages "${TICKWRIGHT_APP_PACKAGES[@]}" clang libclang-rt-dev

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTICKWRIGHT_SANITIZE=ON -DTICKWRIGHT_FUZZERS=ON -DTICKWRIGHT_TESTS=OFF -DTICKWRIGHT_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)"

targets=(${TICKWRIGHT_FUZZ_TARGETS:-FuzzDateText FuzzTimeText FuzzTimestampText FuzzPageConversion FuzzHistoryCsv FuzzCommandLine})
failed=0
report=()
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    artifacts=build/fuzz/artifacts/$target
    log=build/fuzz/logs/$target.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    echo "== $target for $seconds s"
    status=0
    "build/fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        -dict=fuzz/tickwright.dict -artifact_prefix="$artifacts/" "$corpus" "fuzz/seeds/$target" \
        >"$log" 2>&1 || status=$?
    counters=$(grep -oE '[0-9]+ inline 8-bit counters' "$log" | head -n 1 | cut -d' ' -f1)
    execs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
    rate=$(grep -oE 'stat::average_exec_per_sec: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
    last=$(grep -E 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1)
    cov=$(grep -oE 'cov: [0-9]+' <<<"$last" | cut -d' ' -f2)
    ft=$(grep -oE 'ft: [0-9]+' <<<"$last" | cut -d' ' -f2)
    crash=$(grep -oE 'Test unit written to [^ ]+' "$log" | cut -d' ' -f5 || true)
    if [ "$status" -ne 0 ] || [ -n "$crash" ]; then
        failed=1
        crash=${crash:-"(see $log)"}
    fi
    # Keep what adds coverage, minimized, where the short runs start.
    "build/fuzz/fuzz/$target" -merge=1 -dict=fuzz/tickwright.dict "fuzz/seeds/$target" "$corpus" \
        >>"$log" 2>&1 || true
    report+=("$(printf '%-20s %12s %9s %7s %7s %9s  %s' "$target" "$execs" "$rate" "${cov:-?}" \
        "${ft:-?}" "${counters:-?}" "${crash:-none}")")
done

printf '\n%-20s %12s %9s %7s %7s %9s  %s\n' target executions exec/s cov ft counters crash
printf '%s\n' "${report[@]}"
exit "$failed"
