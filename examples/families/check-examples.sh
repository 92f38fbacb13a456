#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, builds every family example against it with
# pkg-config and with find_package(tesk), and runs each offscreen with leak checking on, the
# toolkit's platform libraries' allocations suppressed by the installed suppression file.
#   check-examples.sh <build dir> <source dir> [extra compiler and linker flags]
set -euo pipefail
build="$1"
source="$2"
extra="${3:-}"
here="$source/examples/families"
work="$(mktemp -d /tmp/tesk-examples-XXXXXX)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib64/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig"

# The versioned library, its soname, and the link a dlopen host opens.
libdir="$(pkg-config --variable=libdir tesk)"
soname="$(readelf -d "$libdir/libtesk.so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')"
version="$(pkg-config --modversion tesk)"
[ "$soname" = "libtesk.so.$version" ] || { echo "soname $soname is not libtesk.so.$version: FAILED"; exit 1; }
[ -L "$libdir/libtesk.so" ] && [ -f "$libdir/$soname" ] || { echo "libtesk.so link: FAILED"; exit 1; }
echo "library: $soname, libtesk.so links to it"
# The broker and the formatting library are versioned alike.
for library in mosk glyphon; do
    its="$(readelf -d "$libdir/lib$library.so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')"
    [ "$its" = "lib$library.so.$version" ] && [ -L "$libdir/lib$library.so" ] && [ -f "$libdir/$its" ] ||
        { echo "lib$library soname $its is not lib$library.so.$version: FAILED"; exit 1; }
done

examples="registers memory navigator breakpoint layout boxes"
for name in $examples; do
    # shellcheck disable=SC2046,SC2086
    cc -std=c11 -pedantic -Werror=pedantic -Wall -Wextra $extra "$here/$name.c" "$here/example.c" \
        -I"$here" -o "$work/$name" $(pkg-config --cflags --libs tesk) -ldl
done
# A host that loads the library itself links the broker alone (tesk-broker), so that its
# dlclose unloads the library.
# shellcheck disable=SC2046,SC2086
cc -std=c11 -pedantic -Werror=pedantic -Wall -Wextra $extra "$source/examples/dlopen/unload.c" \
    -o "$work/dlopen-unload" $(pkg-config --cflags --libs tesk-broker)
if readelf -d "$work/dlopen-unload" | grep -q 'libtesk'; then
    echo "dlopen-unload links libtesk: FAILED"
    exit 1
fi
echo "pkg-config builds: ok"

cmake -S "$here" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_C_FLAGS="$extra" -DCMAKE_EXE_LINKER_FLAGS="$extra" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
[ "$(realpath "$(cat "$work/cmake-build/library-file.txt")")" = \
  "$(realpath "$(pkg-config --variable=library tesk-broker)")" ] ||
    { echo "tesk_LIBRARY_FILE is not the file a dlopen host opens: FAILED"; exit 1; }
echo "find_package builds: ok"

export KSODEBUG_INSTALL="$(pkg-config --variable=installdir tesk)"
export LSAN_OPTIONS="suppressions=$(pkg-config --variable=lsansuppressions tesk):print_suppressions=0"
export QT_QPA_PLATFORM=offscreen KSODEBUG_ALLOW_MULTIPLE_INSTANCES=1
export KSODEBUG_HOME="$work/home"
mkdir -p "$KSODEBUG_HOME"
run() {
    echo "== $*"
    "$work/$@"
}
run registers 10
run memory 20
run navigator 20
run breakpoint 10
run layout save "$work/layout.txt" 10
run layout restore "$work/layout.txt" 10
run boxes box 3
run boxes list 3
run dlopen-unload "$(pkg-config --variable=library tesk-broker)"
echo "== dlopen-unload (find_package)"
"$work/cmake-build/dlopen-unload" "$(cat "$work/cmake-build/library-file.txt")"
# On a real X server the platform libraries open D-Bus, whose allocation the suppressions cover.
if command -v xvfb-run >/dev/null 2>&1; then
    echo "== boxes box 3 (X server)"
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" "$work/boxes" box 3
fi
echo "examples: every one ran"
