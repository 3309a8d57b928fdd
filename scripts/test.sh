#!/usr/bin/env bash
# Builds everything and passes every test: the ordinary build, then the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer (clang), then bounded runs of the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)

echo "== Build and test (RelWithDebInfo, without debug information)"
# The code the program is built from, without the debug information nobody reads here: it costs
# a third of the build on two cores. The benchmarks are run by hand, not here.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DSOCCER_BENCH=OFF >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j "$jobs")

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
# Line tables are all a sanitizer report needs to name the file and line; full debug
# information would double the build.
CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-gline-tables-only" \
    -DSOCCER_SANITIZE=ON -DSOCCER_FUZZ=ON -DSOCCER_BENCH=OFF >/dev/null
cmake --build build-san
# Leaks are looked for in every test: Qt's own start-up and offscreen painting leave none, so a
# report points at the program's code.
(cd build-san && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j "$jobs")

echo "== Fuzz the table and options readers"
# A bounded run from the seed files: a crash, a sanitizer report, a leak, a single allocation
# above 64 MB or more than 512 MB in all ends the fuzzer with a failure, and so the script.
# The seeds are copied so that what the fuzzer adds stays in the build folder. Inputs may use
# the whole length from the start: only long inputs reach the larger team counts.
fuzz_dir=build-san/fuzz-readers
rm -rf "$fuzz_dir" && mkdir -p "$fuzz_dir/corpus" "$fuzz_dir/artifacts"
cp fuzz/corpus/* "$fuzz_dir/corpus/"
# A small quarantine keeps the resident size a measure of the readers, not of freed memory.
ASAN_OPTIONS=quarantine_size_mb=32 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-san/bin/fuzz_readers \
    -runs=150000 -max_total_time=60 -max_len=65536 -len_control=0 -timeout=10 \
    -rss_limit_mb=512 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix="$fuzz_dir/artifacts/" "$fuzz_dir/corpus"

echo "== Fuzz the import readers and planner"
# The same limits as above, over the result-file seeds; a shorter run, as every input is read
# twice and planned three times.
import_dir=build-san/fuzz-import
rm -rf "$import_dir" && mkdir -p "$import_dir/corpus" "$import_dir/artifacts"
cp fuzz/corpus-import/* "$import_dir/corpus/"
ASAN_OPTIONS=quarantine_size_mb=32 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-san/bin/fuzz_import \
    -runs=100000 -max_total_time=25 -max_len=65536 -len_control=0 -timeout=10 \
    -rss_limit_mb=512 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix="$import_dir/artifacts/" "$import_dir/corpus"
