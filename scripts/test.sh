#!/usr/bin/env bash
# Builds everything and passes every test: the ordinary build, then the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer (clang), then a bounded run of the fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)

echo "== Build and test (RelWithDebInfo)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j "$jobs")

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DSOCCER_SANITIZE=ON -DSOCCER_FUZZ=ON -DSOCCER_BENCH=OFF >/dev/null
cmake --build build-san
(cd build-san && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")

if [ -x build-san/bin/fuzz_readers ]; then
    echo "== Fuzz the table and options readers"
    rm -rf build-san/fuzz-corpus && mkdir -p build-san/fuzz-corpus
    build-san/bin/fuzz_readers -runs=200000 -max_len=65536 -rss_limit_mb=1024 \
        build-san/fuzz-corpus fuzz/corpus
fi
