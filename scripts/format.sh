#!/usr/bin/env bash
# format.sh [--check]: formats the C++ sources of the repository with clang-format 14, or with
# --check lists the files that are not formatted and fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
format=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.hpp' '*.c')
if [[ "${1:-}" == "--check" ]]; then
    if ! "$format" --dry-run -Werror "${files[@]}" 2>/tmp/tesk-format.$$; then
        grep -o '^[^:]*:[0-9]*:[0-9]*: error' /tmp/tesk-format.$$ | cut -d: -f1 | sort -u |
            sed 's/^/format: not formatted: /'
        rm -f /tmp/tesk-format.$$
        echo "format: run scripts/format.sh to format them"
        exit 1
    fi
    rm -f /tmp/tesk-format.$$
else
    "$format" -i "${files[@]}"
fi
