#!/usr/bin/env bash
# fuzz.sh <target> [seconds]: builds the libFuzzer programs with clang (build/fuzz) and runs one
# target on a copy of its seeds for the given time (default 60 s). New crash inputs are written
# to fuzz/crashes/<target>/; add them to the repository once mended.
# fuzz.sh --list: lists the targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [[ "${1:-}" == "--list" ]]; then
    find "$root/fuzz" -mindepth 2 -name '*.cpp' -not -path '*/corpus/*' -printf '%f\n' | sed 's/\.cpp$//' | sort
    exit 0
fi
target="${1:?usage: fuzz.sh <target> [seconds] | --list}"
seconds="${2:-60}"
# Only the target is built: the library itself is not linked under the fuzzer's instrumentation.
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESK_FUZZ=ON -DTESK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/fuzz" --target "fuzz_$target" -j "$(( $(nproc) < 4 ? $(nproc) : 4 ))"
work="$root/build/fuzz/corpus/$target"
mkdir -p "$work" "$root/fuzz/crashes/$target"
cp -n "$root/fuzz/corpus/$target"/* "$work"/ 2>/dev/null || true
cd "$root/build/fuzz/fuzz"
QT_QPA_PLATFORM=offscreen "./fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$root/fuzz/crashes/$target/" "$work"
