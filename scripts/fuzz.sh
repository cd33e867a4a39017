#!/usr/bin/env bash
# Builds the fuzz targets (clang++, libFuzzer, ASan and UBSan) and runs each
# for the given number of seconds, default 30. Fails when any target crashes,
# hangs or breaks its property; the input that did it is left in
# build/fuzz/artifacts/<target>/, and `build/fuzz/fuzz/fuzz_<target> FILE`
# replays it.
#
# Each target starts from its committed seeds in fuzz/corpus/<target>/ plus
# whatever earlier runs on this machine found (kept in build/fuzz/corpus/), so
# the committed corpus never grows by itself.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
targets=(lenient_conversion strict_conversion currency_rounding number_text)
declare -A dictionaries=([lenient_conversion]=fuzz/numbers.dict [strict_conversion]=fuzz/numbers.dict)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:print_stacktrace=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    artifacts=build/fuzz/artifacts/$target/
    log=build/fuzz/logs/$target.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    cp fuzz/corpus/"$target"/* "$corpus"/

    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$artifacts")
    [ -n "${dictionaries[$target]:-}" ] && options+=(-dict="${dictionaries[$target]}")

    echo "== fuzz_$target for ${seconds} s"
    if build/fuzz/fuzz/fuzz_"$target" "${options[@]}" "$corpus" >"$log" 2>&1; then
        grep -E '^(stat::number_of_executed_units|stat::new_units_added|Done )' "$log" || true
    else
        echo "fuzz_$target FAILED; from $log:"
        tail -n 60 "$log"
        failed+=("$target")
    fi
done

echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: failed: ${failed[*]}" >&2
    exit 1
fi
