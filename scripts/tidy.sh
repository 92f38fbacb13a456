#!/usr/bin/env bash
# tidy.sh [build-dir] [file-regex]: runs clang-tidy (checks in .clang-tidy) over the library's
# sources with the compile commands of a build directory (build/asan unless given), which it
# configures with the compile commands exported and builds first, so that generated headers exist.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build/asan}"
filter="${2:-^$root/src/}"
jobs="$(( $(nproc) < 4 ? $(nproc) : 4 ))"
tidy="$(command -v clang-tidy-14 || command -v clang-tidy)"

cmake -S "$root" -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$dir" --target tesk -j "$jobs"

runner="$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)"
if [ -n "$runner" ]; then
    exec "$runner" -quiet -clang-tidy-binary "$tidy" -p "$dir" -j "$jobs" "$filter"
fi
status=0
while IFS= read -r file; do
    "$tidy" --quiet -p "$dir" "$file" || status=1
done < <(python3 -c 'import json, re, sys
for entry in json.load(open(sys.argv[1])):
    if re.search(sys.argv[2], entry["file"]):
        print(entry["file"])' "$dir/compile_commands.json" "$filter" | sort -u)
exit $status
