#!/usr/bin/env bash
# Compiles every public header alone as strict C99 and as strict C11, so that a C host of
# either standard can include any of them by itself.
#   c_headers.sh <compiler> <include dir>...   (the headers are <include dir>/tesk/*.h)
set -euo pipefail
compiler="$1"
shift
flags=()
for dir in "$@"; do
    flags+=(-I "$dir")
done
work="$(mktemp -d /tmp/tesk-c-headers-XXXXXX)"
trap 'rm -rf "$work"' EXIT
failed=0
count=0
for dir in "$@"; do
    for header in "$dir"/tesk/*.h; do
        [ -e "$header" ] || continue
        name="$(basename "$header")"
        # A header of macros only would leave the unit empty, which ISO C forbids.
        printf '#include <tesk/%s>\ntypedef int unit_is_not_empty;\n' "$name" >"$work/unit.c"
        for standard in c99 c11; do
            count=$((count + 1))
            if ! "$compiler" -std="$standard" -pedantic-errors -Werror -Wall -Wextra \
                -fsyntax-only "${flags[@]}" "$work/unit.c"; then
                echo "c-headers: $name does not compile as $standard: FAILED"
                failed=1
            fi
        done
    done
done
[ "$count" -gt 0 ] || { echo "c-headers: no headers found: FAILED"; exit 1; }
[ "$failed" -eq 0 ] && echo "c-headers: $count compilations clean"
exit "$failed"
