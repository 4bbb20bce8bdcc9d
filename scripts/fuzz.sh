#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for the given number of seconds (60 by default), starting from the seed corpus in fuzz/corpus.
# New inputs go to build/fuzz/found/<target>; a finding stops with the crashing input in build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/bootstrap.sh
cmake --preset fuzz
cmake --build --preset fuzz
# The merge reader starts from the data-set seeds: the files it reads are data sets too.
for target in dataset import incoming number; do
    seeds="fuzz/corpus/$target"
    [ "$target" = incoming ] && seeds="fuzz/corpus/dataset"
    found="build/fuzz/found/$target"
    mkdir -p "$found"
    echo "== fuzz_$target for $seconds s"
    (cd build/fuzz && "./fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
        -print_final_stats=1 "../../$found" "../../$seeds")
done
