#!/bin/sh
# demo_by_hand.sh <tesk-demo> <closewindow.py>: the demo by hand under a real X server (Xvfb),
# as a newcomer starts it twice. Closing its main window, as a window manager's close button
# does, ends the demo and leaves the window's arrangement in its home area; the test then
# rearranges the stored records as a user would have (a dock window's extent, a memory view's
# format), and the second start must come back so: closed again, it stores the same
# arrangement. Without xvfb-run it is skipped.
demo="$1"
closer="$2"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is missing: skipped"
    exit 77
fi
home="$(mktemp -d /tmp/tesk-demo-byhand-XXXXXX)"
trap 'rm -rf "$home"' EXIT
layout="$home/demo-layout.txt"

# One start by hand: waits until the loop runs, closes the main window and waits for the demo
# to end (at most 30 seconds).
run() {
    log="$home/run$1.log"
    KSODEBUG_HOME="$home" QT_QPA_PLATFORM=xcb timeout --kill-after=10 150 \
        xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
            "$1" >"$2" 2>&1 &
            pid=$!
            n=0
            until grep -q "host: idle tick 20" "$2"; do
                n=$((n + 1))
                if [ "$n" -gt 600 ] || ! kill -0 "$pid" 2>/dev/null; then
                    echo "the demo did not reach its loop"
                    kill "$pid" 2>/dev/null
                    exit 3
                fi
                sleep 0.1
            done
            python3 "$3" Debugger || { kill "$pid"; exit 3; }
            n=0
            while kill -0 "$pid" 2>/dev/null; do
                n=$((n + 1))
                if [ "$n" -gt 300 ]; then
                    echo "closing the main window did not end the demo"
                    kill "$pid"
                    exit 4
                fi
                sleep 0.1
            done
            wait "$pid"
        ' sh "$demo" "$log" "$closer"
    status=$?
    cat "$log"
    if [ "$status" -ne 0 ]; then
        echo "start $1 failed with status $status"
        exit 1
    fi
}

run 1
if ! grep -q "^dock	" "$layout" 2>/dev/null; then
    echo "the first start stored no dock window in $layout"
    exit 1
fi
echo "stored by the first start:"
cat "$layout"

# What the user changed before closing: the window's place, the register pane taller and the
# navigator below it shorter, the first memory view in another format and data size, the Image
# toolbar hidden.
expected="$home/expected.txt"
awk -F '\t' 'BEGIN { OFS = "\t" }
    $1 == "window" { $3 += 60 }
    $1 == "dock" && $2 == "Register pane" { n = split($3, p, ":"); p[n - 2] += 60; $3 = p[1]; for (i = 2; i <= n; ++i) $3 = $3 ":" p[i] }
    $1 == "dock" && $2 == "Symbols" { n = split($3, p, ":"); p[n - 2] -= 60; $3 = p[1]; for (i = 2; i <= n; ++i) $3 = $3 ":" p[i] }
    $1 == "dock" && $2 == "Memory" && !memory { memory = 1; sub(/:FormatId=0/, ":FormatId=1", $4); sub(/DataSizeId=3/, "DataSizeId=2", $4) }
    $1 == "toolbar" && $2 == "Image" { n = split($3, p, ":"); p[6] = 1; $3 = p[1]; for (i = 2; i <= n; ++i) $3 = $3 ":" p[i] }
    { print }' "$layout" >"$expected"
cp "$expected" "$layout"

run 2
echo "stored by the second start:"
cat "$layout"
# Docked windows' x and y are the toolkit's; the rest comes back, extents within a few pixels.
python3 - "$expected" "$layout" <<'PY'
import sys
def lines(path):
    return [l.rstrip("\n").split("\t") for l in open(path) if l.strip()]
def numbers(record):
    return [int(n) for n in record.rsplit(":", 9)[1:]]
want, got = lines(sys.argv[1]), lines(sys.argv[2])
faults = []
if len(want) != len(got):
    faults.append("%d lines stored, %d expected" % (len(got), len(want)))
for w, g in zip(want, got):
    if w[0] != g[0] or w[1] != g[1]:
        faults.append("%s where %s was stored" % (" ".join(g[:2]), " ".join(w[:2])))
    elif w[0] == "dock":
        a, b = numbers(w[2]), numbers(g[2])
        same = w[2].rsplit(":", 9)[0] == g[2].rsplit(":", 9)[0] and a[:3] == b[:3] and \
            a[7:] == b[7:] and abs(a[5] - b[5]) <= 4 and abs(a[6] - b[6]) <= 4
        if not same or w[3] != g[3]:
            faults.append("dock %s came back as %s %s" % (" ".join(w[2:]), g[2], g[3]))
    elif w[0] == "toolbar":
        # Row, place and whether hidden: the others' x and width follow from those.
        a, b = w[2].split(":"), g[2].split(":")
        if len(a) < 6 or len(b) < 6 or [a[0], a[1], a[5]] != [b[0], b[1], b[5]]:
            faults.append("toolbar %s came back as %s" % (" ".join(w[1:]), g[2]))
    elif w != g:
        faults.append("%s came back as %s" % (" ".join(w), " ".join(g)))
for fault in faults:
    print("NOT restored: " + fault)
if not faults:
    print("the second start came back as the first left it")
sys.exit(1 if faults else 0)
PY
