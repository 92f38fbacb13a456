#!/bin/sh
# demo_by_hand.sh <tesk-demo> <closewindow.py>: the demo by hand, started three times under a real
# X server (Xvfb). Closing its main window as a window manager does, or SIGTERM, ends it and stores
# what the user set; the test changes the stored records as a user would have (window place, dock
# extents, a memory view's format, a hidden toolbar, the register panes' User view, the
# navigator's filter, a script added to the script list), and the second start, ended by SIGTERM,
# must store what it was given. No start shows a scripted main window beside the user's. A third
# start given a window place off every screen shows the window on the screen. Without xvfb-run it
# is skipped.
demo="$1"
closer="$2"
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run is missing: skipped"; exit 77; }
home="$(mktemp -d /tmp/tesk-demo-byhand-XXXXXX)"
trap 'rm -rf "$home"' EXIT
layout="$home/demo-layout.txt"
scripts="$home/scripts.ini"

# One start: once the demo hands the window to the user, it is ended the way $2 says (close: the
# main window's close button, term: SIGTERM); the demo must end within 30 seconds. No scripted
# main window stands beside the user's.
run() {
    KSODEBUG_HOME="$home" QT_QPA_PLATFORM=xcb timeout --kill-after=10 150 \
        xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
            "$1" >"$2" 2>&1 & pid=$!; n=0
            until grep -q "host: the demo is yours" "$2"; do
                n=$((n + 1)); sleep 0.1
                [ "$n" -lt 600 ] && kill -0 "$pid" 2>/dev/null || { echo "no loop"; exit 3; }
            done
            python3 "$3" --absent "Debugger (restored layout)" || exit 5
            if [ "$4" = term ]; then kill -TERM "$pid"; else python3 "$3" Debugger || exit 3; fi
            n=0
            while kill -0 "$pid" 2>/dev/null; do
                n=$((n + 1)); sleep 0.1
                [ "$n" -lt 300 ] || { echo "$4 did not end the demo"; exit 4; }
            done
            wait "$pid"' sh "$demo" "$home/run$1.log" "$closer" "$2"
    status=$?
    cat "$home/run$1.log"
    [ "$status" -eq 0 ] || { echo "start $1 failed with status $status"; exit 1; }
}

run 1 close
grep -q "^dock	Memory	" "$layout" || { echo "the first start stored no memory view"; exit 1; }
grep -q "^setting	Connection/Demo board	RegUserViewConfig	." "$layout" ||
    { echo "the first start stored no User view"; exit 1; }
grep -q '^dock	Symbols	.*	.*global_filter=' "$layout" ||
    { echo "the first start stored no navigator filter"; exit 1; }
grep -qi '^\[scripts\]$' "$scripts" || { echo "the first start stored no script list"; exit 1; }
# Field f of the record (counted from the record's end for a dock: its caption may hold ':').
awk -F '\t' 'BEGIN { OFS = "\t" }
    function add(f, by,   n, p, i, r) { n = split($3, p, ":"); p[f < 0 ? n + f : f] += by
        r = p[1]; for (i = 2; i <= n; ++i) r = r ":" p[i]; $3 = r }
    $1 == "window" { $3 += 60 }
    $2 == "Register pane" { add(-2, 60) }
    $2 == "Symbols" { add(-2, -60) }
    $2 == "Memory" && !m++ { sub(/:FormatId=0/, ":FormatId=1", $4); sub(/DataSizeId=3/, "DataSizeId=2", $4) }
    $2 == "Image" { add(6, 1) }
    $2 == "Symbols" { sub(/global_filter="[^"]*"/, "global_filter=\"*\\*\\_start\"", $4) }
    $1 == "setting" && $3 == "RegUserViewConfig" { $4 = "Core.R1^^0" }
    { print }' "$layout" >"$home/expected.txt"
cp "$home/expected.txt" "$layout"
# The user adds a script through the script toolbar.
added='<data><key>blink.cmm</key><value>/work/demo/blink.cmm</value></data>'
sed -i "s|<all_data/>|<all_data>$added</all_data>|; t; s|</all_data>|$added</all_data>|" "$scripts"
run 2 term
[ "$(grep -ci '^\[scripts\]$' "$scripts")" -eq 1 ] && grep -q "/work/demo/blink.cmm" "$scripts" ||
    { echo "the script list came not back as one section with the added script:"; cat "$scripts"; exit 1; }
[ "$(grep -ci '^\[eventfilters\]$' "$home/filters.ini")" -eq 1 ] ||
    { echo "the filters file holds other than one section"; exit 1; }
# A docked window's x and y are the toolkit's, and so are the x and width of toolbars after a
# hidden one; extents come back within a few pixels.
python3 - "$home/expected.txt" "$layout" <<'PY'
import sys
want, got = ([l.rstrip("\n").split("\t") for l in open(p)] for p in sys.argv[1:])
def same(w, g):
    if w[:2] != g[:2] or len(w) != len(g):
        return False
    if w[0] == "dock":
        (a, *m), (b, *n) = (r.rsplit(":", 9) for r in (w[2], g[2]))
        m, n = [int(v) for v in m], [int(v) for v in n]
        return a == b and m[:3] == n[:3] and m[7:] == n[7:] and w[3] == g[3] and \
            all(abs(m[i] - n[i]) <= 4 for i in (5, 6))
    if w[0] == "toolbar":
        return [w[2].split(":")[i] for i in (0, 1, 5)] == [g[2].split(":")[i] for i in (0, 1, 5)]
    return w == g
faults = ["%s came back as %s" % (" ".join(w), " ".join(g)) for w, g in zip(want, got)
          if not same(w, g)] + (["%d lines, %d stored" % (len(got), len(want))]
                                if len(want) != len(got) else [])
print("\n".join("NOT restored: " + f for f in faults) or "came back as the first start left it")
sys.exit(1 if faults else 0)
PY

[ $? -eq 0 ] || exit 1
# A place off every screen (a larger desktop's, or one no window manager gave) comes back on it.
sed -i 's/^window\t.*/window\t-100000\t-100000\t100000\t100000/' "$layout"
run 3 term
awk -F '\t' '$1 == "window" { on = $2 >= 0 && $3 >= 0 && $2 + $4 <= 1280 && $3 + $5 <= 900 }
    END { if (!on) { print "the window came back off the screen"; exit 1 } }' "$layout"
