#!/usr/bin/env bash
# Checks the format, builds tesk with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/format.sh" --check
"$root/scripts/build.sh" "$root/build/asan" -DCMAKE_BUILD_TYPE=Debug -DTESK_SANITIZE=ON -DTESK_BUILD_BENCH=ON
cd "$root/build/asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(( $(nproc) < 4 ? $(nproc) : 4 ))" --timeout 300
