#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, builds the C host against it with pkg-config
# and with find_package(tesk), and runs the pkg-config build offscreen.
#   check-install.sh <build dir> <source dir> [extra compiler and linker flags]
set -euo pipefail
build="$1"
source="$2"
extra="${3:-}"
work="$(mktemp -d /tmp/tesk-install-XXXXXX)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib64/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig"
# shellcheck disable=SC2046,SC2086
cc -std=c11 -pedantic -Werror=pedantic -Wall -Wextra $extra "$source/examples/c-host/host.c" \
    -o "$work/c-host" $(pkg-config --cflags --libs tesk) -ldl
echo "pkg-config build: ok"

# Every installed header alone, as strict C99 and C11.
"$source/tests/c_headers.sh" cc "$prefix/include"

cmake -S "$source/examples/c-host" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_C_FLAGS="$extra" -DCMAKE_EXE_LINKER_FLAGS="$extra" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
echo "find_package build: ok"

export KSODEBUG_INSTALL="$(pkg-config --variable=installdir tesk)"
export KSODEBUG_HOME="$work/home" QT_QPA_PLATFORM=offscreen KSODEBUG_SUPPRESS_PROMPTS=1
# Leak checking stays on: the installed file suppresses what the toolkit's platform libraries
# keep for the life of the process.
export LSAN_OPTIONS="suppressions=$(pkg-config --variable=lsansuppressions tesk):print_suppressions=0"
mkdir -p "$KSODEBUG_HOME"
"$work/c-host" 5
