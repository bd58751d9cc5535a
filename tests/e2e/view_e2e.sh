#!/usr/bin/env bash
# Turning and zooming the graph with the mouse, as a person would: real X input with
# xdotool on a virtual X server, screenshots compared before and after.
# Usage: view_e2e.sh BUILD_DIR   (run under e2e/with_xvfb.sh, or with DISPLAY set)
set -u
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
app="$build/vellumplot"
work=$(mktemp -d)
failures=0
# The screenshots stay for a person to look at when a check fails.
trap 'kill $(jobs -p) 2>/dev/null; if [ "$failures" -gt 0 ]; then echo "screenshots in $work"; else rm -rf "$work"; fi' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
cp -r "$source_dir/examples/plate" "$work/plate"
sed -i 's/^AutoExit=1/AutoExit=0/' "$work/plate/plate.dat"

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }

# Strongly coloured pixels left of the legend: their count and their horizontal extent.
graph_facts() {
    convert "$1" -depth 8 rgb:- | python3 -c '
import sys
w, h = int(sys.argv[1]), int(sys.argv[2])
data = sys.stdin.buffer.read()
count = 0; left = w; right = -1
for y in range(h):
    row = data[y * w * 3:(y + 1) * w * 3]
    for x in range(int(w * 0.75)):
        r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
        if max(r, g, b) - min(r, g, b) > 120:
            count += 1; left = min(left, x); right = max(right, x)
print(count, right - left + 1)
' "$(identify -format %w "$1")" "$(identify -format %h "$1")"
}

# Pixels that differ between two screenshots of the same size.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# A left-button drag through the window-relative points given, in steps of under 30
# pixels, as the view takes a longer jump for a glitch. With $held set, a screenshot is
# taken there before the button is let go.
held=""
drag() {
    local x=$1 y=$2; shift 2
    xdotool mousemove --window "$win" "$x" "$y"
    sleep 0.2
    xdotool mousedown 1
    while [ $# -ge 2 ]; do
        local tx=$1 ty=$2; shift 2
        while [ "$x" != "$tx" ] || [ "$y" != "$ty" ]; do
            local dx=$((tx - x)) dy=$((ty - y))
            [ $dx -gt 10 ] && dx=10; [ $dx -lt -10 ] && dx=-10
            [ $dy -gt 10 ] && dy=10; [ $dy -lt -10 ] && dy=-10
            x=$((x + dx)); y=$((y + dy))
            xdotool mousemove --window "$win" "$x" "$y"
            sleep 0.05
        done
    done
    if [ -n "$held" ]; then sleep 0.5; import -window "$win" "$held"; fi
    xdotool mouseup 1
    sleep 1
}

"$app" "$work/plate/plate.dat" >"$work/app.log" 2>&1 &
pid=$!
win=""
for _ in $(seq 1 100); do
    win=$(xdotool search --name "vellumPLOT - ver.2.41 \\[" 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.2
done
[ -n "$win" ] || { fail "the window of a loaded graph appears"; cat "$work/app.log"; exit 1; }
sleep 1
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")" # WIDTH, HEIGHT
cx=$((WIDTH / 2)) cy=$((HEIGHT / 2))
import -window "$win" "$work/before.png"
read -r count_before width_before <<<"$(graph_facts "$work/before.png")"
check "the plate is drawn ($count_before pixels)" test "$count_before" -gt 10000

# 1. A drag to the right and down in the first mouse mode turns the graph; while the
#    button is held only the light wireframe is drawn, the coloured plate after it.
held="$work/dragging.png"
drag $((cx - 60)) $((cy - 40)) $((cx + 40)) $((cy + 20))
held=""
import -window "$win" "$work/turned.png"
changed=$(differing "$work/before.png" "$work/turned.png")
check "a drag turns the graph ($changed pixels changed)" test "${changed:-0}" -gt 5000
read -r count_held _ <<<"$(graph_facts "$work/dragging.png")"
check "while dragging the plate is not filled ($count_held pixels)" test "$count_held" -lt 1000
read -r count_turned _ <<<"$(graph_facts "$work/turned.png")"
check "the turned plate is filled again after the release ($count_turned pixels)" test "$count_turned" -gt 5000

# 2. The mouse menu's selection zoom, then a small rectangle round the middle of the
#    plate: the graph grows to fill the view.
xdotool key --clearmodifiers Escape
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key --clearmodifiers alt+m
sleep 0.5
xdotool key s
sleep 0.5
import -window "$win" "$work/before-zoom.png"
read -r count_zoom_before width_zoom_before <<<"$(graph_facts "$work/before-zoom.png")"
drag $((cx - 40)) $((cy - 20)) $((cx + 40)) $((cy + 20))
import -window "$win" "$work/zoomed.png"
read -r count_zoomed width_zoomed <<<"$(graph_facts "$work/zoomed.png")"
check "the selection zoom makes the graph larger ($count_zoom_before -> $count_zoomed pixels)" \
    test "$count_zoomed" -gt $((count_zoom_before * 3 / 2))
check "the graph is wider after the zoom ($width_zoom_before -> $width_zoomed pixels)" \
    test "$width_zoomed" -gt "$((width_zoom_before * 2))"

# 3. The turn and the zoom are the look's: the closing backup holds them.
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then fail "the program closes"; kill "$pid"; fi
wait "$pid"
view="$XDG_DATA_HOME/vellumPLOT/bkView.ini"
check "the backup holds a turn other than the plate's" test -n "$(grep '^DIGREE=' "$view" | grep -v 'DIGREE= 2100 1800 2130')"
check "the backup holds a zoom above 1" grep -Eq '^SCALE123= *([2-9]|[1-9][0-9])' "$view"

if [ "$failures" -gt 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "all view end-to-end checks passed"
