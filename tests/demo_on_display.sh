#!/bin/sh
# demo_on_display.sh <tesk-demo> <screenshot dir>: runs the demo once under a real X server
# (Xvfb, the xcb platform) as a newcomer would see it. It fails when the demo does not end by
# itself within its --quit-after time or writes no screenshot; without xvfb-run it is skipped.
demo="$1"
dir="$2"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is missing: skipped"
    exit 77
fi
rm -rf "$dir"
# A home of its own: another demo running on this machine must not raise the another-copy
# question.
home="$(mktemp -d /tmp/tesk-demo-display-XXXXXX)"
trap 'rm -rf "$home"' EXIT
KSODEBUG_HOME="$home" QT_QPA_PLATFORM=xcb timeout --kill-after=10 120 \
    xvfb-run -a -s "-screen 0 1280x900x24" "$demo" --quit-after 3000 --screenshots "$dir"
status=$?
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "the demo did not end by itself"
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "the demo failed with status $status"
    exit "$status"
fi
if ! ls "$dir"/*.png >/dev/null 2>&1; then
    echo "the demo wrote no screenshot into $dir"
    exit 1
fi
echo "screenshots: $(ls "$dir" | tr '\n' ' ')"
