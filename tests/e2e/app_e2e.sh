#!/usr/bin/env bash
# The desktop program driven as a person would: real X input with xdotool on a virtual X
# server, screenshots checked for what a person sees, backups read back after closing.
# Usage: app_e2e.sh BUILD_DIR   (run under e2e/with_xvfb.sh, or with DISPLAY set)
set -u
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
app="$build/vellumplot"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
cp -r "$source_dir/examples" "$work/examples"
# The examples end the program after their picture; the window must stay for these checks.
sed -i 's/^AutoExit=1/AutoExit=0/' "$work/examples/plate/plate.dat"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }

# Waits up to 20 s for a window whose name matches $1 (a shown one with --visible first);
# prints its id.
wait_window() {
    local id shown=()
    [ "$1" = --visible ] && { shown=(--onlyvisible); shift; }
    for _ in $(seq 1 100); do
        id=$(xdotool search "${shown[@]}" --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# Counts, in a screenshot, strongly coloured pixels and where the legend's red and blue lie.
picture_facts() {
    convert "$1" -depth 8 rgb:- | python3 -c '
import sys
w, h = int(sys.argv[1]), int(sys.argv[2])
data = sys.stdin.buffer.read()
saturated = 0; red_top = blue_bottom = -1
for y in range(h):
    row = data[y * w * 3:(y + 1) * w * 3]
    for x in range(w):
        r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
        if max(r, g, b) - min(r, g, b) > 120: saturated += 1
        if x > w * 0.8:
            if r > 200 and g < 80 and b < 80 and red_top < 0: red_top = y
            if b > 200 and r < 80 and g < 80: blue_bottom = y
print(saturated, red_top, blue_bottom)
' "$(identify -format %w "$1")" "$(identify -format %h "$1")"
}

# 1. Start with the plate job: caption, window size, the graph's colours.
"$app" "$work/examples/plate/plate.dat" >"$work/app1.log" 2>&1 &
pid=$!
win=$(wait_window "vellumPLOT - ver.2.41 \\[") || { fail "the window of a loaded graph appears"; cat "$work/app1.log"; exit 1; }
sleep 1
check "caption names the node file" test "$(xdotool getwindowname "$win")" = "vellumPLOT - ver.2.41 [$work/examples/plate/nodes.txt]"
geometry=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
check "an argument opens the window at 780 x 560 (got $geometry)" test "$geometry" = "780x560"
import -window "$win" "$work/shot1.png"
read -r saturated red_top blue_bottom <<<"$(picture_facts "$work/shot1.png")"
check "the plate is drawn in strong colours ($saturated pixels)" test "$saturated" -gt 20000
check "the legend shows red above blue ($red_top, $blue_bottom)" test "$red_top" -ge 0 -a "$blue_bottom" -gt $((red_top + 100))

# 2. Ctrl+O does nothing; Ctrl+N opens the file-open dialog, Escape closes it.
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key --clearmodifiers ctrl+o
sleep 1
check "Ctrl+O opens no dialog" test -z "$(xdotool search --name 'ファイルオープン|Open' 2>/dev/null)"
xdotool key --clearmodifiers ctrl+n
dialog=$(wait_window "ファイルオープン")
check "Ctrl+N opens the file-open dialog" test -n "$dialog"
[ -n "$dialog" ] && { xdotool key Escape; sleep 0.5; }

# 3. Close through the File menu: backups name every file by its full path.
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then fail "the File menu's exit closes the program"; kill "$pid"; fi
wait "$pid"; status=$?
check "closing exits with status 0 (got $status)" test "$status" -eq 0
backup="$XDG_DATA_HOME/vellumPLOT/bkCmdLine.dat"
check "the command-line backup names the node file by full path" grep -q "^PointFile=$work/examples/plate/nodes.txt$" "$backup"
check "the view settings backup holds the plate's turn" grep -q "DIGREE= 2100 1800 2130" "$XDG_DATA_HOME/vellumPLOT/bkView.ini"

# 4. Start empty, read the backup back with Ctrl+B and Yes.
"$app" >"$work/app2.log" 2>&1 &
pid=$!
win=$(wait_window "ver.2.41 - vellumPLOT") || { fail "an empty window appears"; cat "$work/app2.log"; }
check "an empty window says so in its caption" test "$(xdotool getwindowname "$win")" = "ver.2.41 - vellumPLOT"
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key --clearmodifiers ctrl+b
# The question comes in a box titled after the program; answer it once it is there. Qt keeps
# a hidden window of that name from the start, so only a shown one is the box.
question=$(wait_window --visible "^vellumPLOT$")
check "the backup import asks first" test -n "$question"
# Yes is the default button. A key sent before the box has the focus goes elsewhere (a
# loaded machine is slow to hand it over), so the box is focused first and answered again
# while it is still there.
for _ in 1 2 3 4 5; do
    xdotool windowfocus --sync "$question" 2>/dev/null
    xdotool key --clearmodifiers Return
    for _ in $(seq 1 10); do
        xdotool search --onlyvisible --name "^vellumPLOT$" >/dev/null 2>&1 || break 2
        sleep 0.2
    done
done
loaded=$(wait_window "vellumPLOT - ver.2.41 \\[")
check "the backup import brings the graph back" test -n "$loaded"
sleep 1
import -window "$win" "$work/shot2.png"
read -r saturated _ _ <<<"$(picture_facts "$work/shot2.png")"
check "the restored graph is drawn ($saturated pixels)" test "$saturated" -gt 20000
kill "$pid"; wait "$pid" 2>/dev/null

# 5. A job that asks to end writes its image and exits 0 through the closing steps.
rm -f "$backup"
sed 's/^AutoExit=.*/AutoExit=1/' "$work/examples/polar/disc.dat" >"$work/examples/polar/auto.dat"
timeout 60 "$app" "$work/examples/polar/auto.dat" >"$work/app3.log" 2>&1
status=$?
check "an AutoExit job ends with status 0 (got $status)" test "$status" -eq 0
check "an AutoExit job writes its image" test -s "$work/examples/polar/disc.png"
check "an AutoExit job leaves its backups" test -s "$backup"

# 6. One sitting, job B after job A: B shows its own automatic mesh, writes no picture over
#    the one exported by hand, and names no element file of A's in its backup.
# Types a path into the file dialog that a key opens over window $1, and accepts it.
choose_file() {
    local main=$1 path=$2 dialog=
    for _ in $(seq 1 100); do
        dialog=$(xdotool getwindowfocus 2>/dev/null)
        [ -n "$dialog" ] && [ "$dialog" != "$main" ] && xdotool getwindowname "$dialog" >/dev/null 2>&1 && break
        dialog=; sleep 0.2
    done
    [ -n "$dialog" ] || return 1
    sleep 0.3
    xdotool type --delay 5 "$path"
    xdotool key Return
    # Gone once the choice is taken; the main window then gets the keys again.
    for _ in $(seq 1 100); do
        xdotool getwindowname "$dialog" >/dev/null 2>&1 || { xdotool windowfocus --sync "$main" 2>/dev/null; return 0; }
        sleep 0.2
    done
    return 1
}
printf 'PointFile=nodes.txt\nDataFile=deflection.txt\n' >"$work/examples/plate/b.dat"
"$app" "$work/examples/plate/plate.dat" >"$work/app4.log" 2>&1 &
pid=$!
win=$(wait_window "vellumPLOT - ver.2.41 \\[") || fail "the window for job A appears"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key --clearmodifiers ctrl+s
check "the picture is exported by hand" choose_file "$win" "$work/export.png"
# After the name come the picture's options; Return takes them as offered.
options=$(wait_window "^画像の出力設定$")
check "the export asks for the picture's size and smoothing" test -n "$options"
xdotool windowfocus --sync "$options" 2>/dev/null
sleep 0.3
xdotool key Return
for _ in $(seq 1 50); do [ -s "$work/export.png" ] && break; sleep 0.2; done
check "the picture is written once the options are taken" test -s "$work/export.png"
xdotool windowfocus --sync "$win" 2>/dev/null
# Job B draws nearly the same plate: mark the file so that any write over it shows.
sleep 0.5
printf 'the person kept this\n' >"$work/export.png"
xdotool key --clearmodifiers ctrl+shift+l
check "job B is chosen" choose_file "$win" "$work/examples/plate/b.dat"
sleep 2
check "job B does not end the program" kill -0 "$pid"
check "job B writes nothing over the exported picture" grep -q "the person kept this" "$work/export.png"
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
check "job B's backup names no element file (its own automatic mesh)" grep -qx "ElementFile=" "$backup"
check "job B's backup names its own data file" grep -qx "DataFile=$work/examples/plate/deflection.txt" "$backup"

if [ "$failures" -gt 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "all end-to-end checks passed"
