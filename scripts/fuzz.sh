#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs them.
#
#   scripts/fuzz.sh                  the test command's step: the same result every time on the
#                                    same commit. Every committed seed (fuzz/corpus/<target>/)
#                                    and past finding (fuzz/regressions/<target>/) is replayed,
#                                    then each target explores a fixed number of inputs from a
#                                    fixed seed, starting afresh from the committed inputs.
#   scripts/fuzz.sh --explore SECS   a hunt: SECS seconds per target with a new random seed,
#                                    growing build-fuzz/corpus/<target>/ from run to run.
#
# Any crash, leak, broken check, timeout or over-large allocation fails the run; the input that
# caused it is left in build-fuzz/findings/. Once it is fixed, commit that input to
# fuzz/regressions/<target>/ so that every later run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
explore_seconds=
if [ "${1:-}" = --explore ]; then
    explore_seconds=${2:?"usage: scripts/fuzz.sh [--explore SECONDS]"}
elif [ $# -gt 0 ]; then
    echo "usage: scripts/fuzz.sh [--explore SECONDS]" >&2
    exit 2
fi

# Each target with the number of inputs its fixed exploration tries: about half a minute each
# on a two-core machine.
declare -A fixed_runs=(
    [frame_header_fuzz]=60000
    [suitability_fuzz]=600000
    [settings_fuzz]=5000
    [reencode_fuzz]=3000
    [twoda_fuzz]=450000
    [erf_fuzz]=4000000
    [keybif_fuzz]=4500000
)
targets=(frame_header_fuzz suitability_fuzz settings_fuzz reencode_fuzz twoda_fuzz erf_fuzz keybif_fuzz)

sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTUNEWRAP_HARDENING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUNEWRAP_BUILD_UI=OFF -DTUNEWRAP_BUILD_TESTS=OFF -DTUNEWRAP_BUILD_BENCH=OFF \
    -DTUNEWRAP_BUILD_FUZZ=ON "-DCMAKE_CXX_FLAGS=$sanitize" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
mkdir -p build-fuzz/findings
# The fixed exploration gives one result only with the same addresses in every run (comparisons
# of pointers steer the mutations) and without rereading the corpus folder by the clock.
fixed=(-seed=1 -reload=0)
norandom=(setarch "$(uname -m)" -R)
if ! "${norandom[@]}" true 2>/dev/null; then
    echo "note: address randomisation cannot be turned off here; the fixed exploration may vary"
    norandom=()
fi
# One allocation over the limit is a finding whatever the load: the check is made per request.
limits=(-malloc_limit_mb=1024 -rss_limit_mb=2048 -timeout=30)

# Runs one libFuzzer command for a target; stops the script with its report on a finding.
run() {
    local target=$1 what=$2
    shift 2
    local log=build-fuzz/$target.log status=0
    "${norandom[@]}" build-fuzz/fuzz/"$target" "${limits[@]}" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/"$target"- "$@" >"$log" 2>&1 || status=$?
    grep -E '^stat::number_of_executed_units|^SUMMARY' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "$target found a fault ($what); the input is in build-fuzz/findings/"
        exit 1
    fi
}

for target in "${targets[@]}"; do
    inputs=(fuzz/corpus/"$target")
    [ -d fuzz/regressions/"$target" ] && inputs+=(fuzz/regressions/"$target")
    if [ -n "$explore_seconds" ]; then
        mkdir -p build-fuzz/corpus/"$target"
        echo "== $target: exploring for $explore_seconds s"
        run "$target" exploring -max_total_time="$explore_seconds" \
            build-fuzz/corpus/"$target" "${inputs[@]}"
        continue
    fi
    echo "== $target: replaying $(find "${inputs[@]}" -type f | wc -l) committed inputs"
    run "$target" replay -runs=0 "${inputs[@]}"
    echo "== $target: ${fixed_runs[$target]} inputs from seed 1"
    # New inputs go to a scratch folder emptied first, so every run starts from the same corpus.
    scratch=build-fuzz/fixed/$target
    rm -rf "$scratch"
    mkdir -p "$scratch"
    run "$target" "fixed exploration" "${fixed[@]}" -runs="${fixed_runs[$target]}" \
        "$scratch" "${inputs[@]}"
done
