#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS (default 60),
# starting from the seed corpus in fuzz/corpus/<target>/. Any crash, leak, timeout or broken
# check fails the run; the input that caused it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(frame_header_fuzz suitability_fuzz settings_fuzz reencode_fuzz)
sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUNEWRAP_BUILD_UI=OFF -DTUNEWRAP_BUILD_TESTS=OFF -DTUNEWRAP_BUILD_BENCH=OFF \
    -DTUNEWRAP_BUILD_FUZZ=ON "-DCMAKE_CXX_FLAGS=$sanitize" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
    # New inputs go to a scratch copy, so the committed seeds stay small.
    work=build-fuzz/corpus/$target
    mkdir -p "$work"
    echo "== $target: $seconds s"
    log=build-fuzz/$target.log
    limits=(-rss_limit_mb=2048)
    asan=$ASAN_OPTIONS
    if [ "$target" = settings_fuzz ]; then
        # Qt's INI reader asks for lengths read from a damaged "@Variant(...)" value, gigabytes
        # at times; as in any process the request fails and Qt goes on. Memory actually used
        # stays limited.
        limits+=(-malloc_limit_mb=1048576)
        asan=$asan:allocator_may_return_null=1
    fi
    status=0
    ASAN_OPTIONS=$asan build-fuzz/fuzz/$target -max_total_time="$seconds" -timeout=10 \
        "${limits[@]}" -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- \
        "$work" fuzz/corpus/"$target" >"$log" 2>&1 || status=$?
    grep -E '^stat::number_of_executed_units|^SUMMARY' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "$target found a fault; the input is in build-fuzz/findings/"
        exit 1
    fi
done
