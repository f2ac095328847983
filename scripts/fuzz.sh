#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build/fuzz (the normal builds keep g++) and
# runs each for SECONDS (60 by default), one after the other, under AddressSanitizer and
# UndefinedBehaviorSanitizer:
#   scripts/fuzz.sh [SECONDS]
# Each target starts from its seeds (fuzz/seeds, the banks' files of tests/ofx/samples) and keeps
# what it learns in build/fuzz/corpus/TARGET. A finding stops the run with the target's report;
# the input is saved as build/fuzz/findings/TARGET-crash-...: keep it as a regression case of
# the test suite. At the end one line per target: executions per second and coverage reached.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
folder=build/fuzz
if [ ! -f "$folder/build.ninja" ]; then
    cmake -S . -B "$folder" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOINVALE_FUZZ=ON -DCOINVALE_TESTS=OFF \
        -DCOINVALE_BENCH=OFF >/dev/null
fi
cmake --build "$folder" --target fuzzers

samples=tests/ofx/samples
declare -A seeds=(
    [fuzz_statement_file]="fuzz/seeds/statements $samples"
    [fuzz_ofx_reply]="fuzz/seeds/statements $samples"
    [fuzz_data_files]="fuzz/seeds/data_files"
    [fuzz_registry_text]="fuzz/seeds/registry_text"
    [fuzz_values]="fuzz/seeds/values"
    [fuzz_arguments]="fuzz/seeds/arguments"
    [fuzz_qif]="fuzz/seeds/qif"
    [fuzz_csv]="fuzz/seeds/csv"
)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$folder/findings"
summary=()
for target in fuzz_statement_file fuzz_ofx_reply fuzz_data_files fuzz_registry_text \
    fuzz_values fuzz_arguments fuzz_qif fuzz_csv; do
    corpus="$folder/corpus/$target"
    mkdir -p "$corpus"
    log="$folder/$target.log"
    echo "== $target for $seconds s"
    # shellcheck disable=SC2086
    if ! "$folder/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$folder/findings/$target-" \
        "$corpus" ${seeds[$target]:-} >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target found a fault; its input is in $folder/findings/" >&2
        exit 1
    fi
    done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)"
    executions="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')"
    summary+=("$(printf '%-20s %10s runs  %6s exec/s  cov %s  ft %s' "$target" \
        "${executions:-?}" \
        "$(sed -nE 's/.*exec\/s: ([0-9]+).*/\1/p' <<<"$done_line")" \
        "$(sed -nE 's/.*cov: ([0-9]+).*/\1/p' <<<"$done_line")" \
        "$(sed -nE 's/.*ft: ([0-9]+).*/\1/p' <<<"$done_line")")")
done
printf '%s\n' "${summary[@]}"
