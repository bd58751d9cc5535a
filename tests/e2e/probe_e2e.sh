#!/usr/bin/env bash
# Pinning probes as a person would: real Ctrl-clicks with xdotool on a virtual X server,
# the pins copied with Ctrl+Shift+C and read back from the X clipboard.
# Usage: probe_e2e.sh BUILD_DIR   (run under e2e/with_xvfb.sh, or with DISPLAY set)
set -u
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
app="$build/vellumplot"
work=$(mktemp -d)
failures=0
# The screenshots stay for a person to look at when a check fails.
trap 'kill $(jobs -p) 2>/dev/null; if [ "$failures" -gt 0 ]; then echo "screenshots in $work"; else rm -rf "$work"; fi' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
cp -r "$source_dir/examples" "$work/examples"
# The examples end the program after their picture; the window must stay for these checks.
sed -i 's/^AutoExit=1/AutoExit=0/' "$work/examples/plate/plate.dat"

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

"$app" "$work/examples/plate/plate.dat" >"$work/app.log" 2>&1 &
pid=$!
win=""
for _ in $(seq 1 100); do
    win=$(xdotool search --name "vellumPLOT - ver.2.41 \\[" 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.2
done
[ -n "$win" ] || { fail "the window of a loaded graph appears"; cat "$work/app.log"; exit 1; }
sleep 1
# No window manager runs here: focus is given, not asked for.
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")" # WIDTH, HEIGHT
cx=$((WIDTH / 2)) cy=$((HEIGHT / 2))
import -window "$win" "$work/before.png"

# 1. Three Ctrl-clicks on the plate, apart enough to be three nodes.
for point in "$((cx - 60)) $cy" "$cx $((cy + 20))" "$((cx + 60)) $cy"; do
    read -r x y <<<"$point"
    xdotool mousemove --window "$win" "$x" "$y"
    sleep 0.3
    xdotool keydown ctrl
    xdotool click 1
    xdotool keyup ctrl
    sleep 0.5
done
import -window "$win" "$work/pinned.png"
changed=$(differing "$work/before.png" "$work/pinned.png")
check "the pins are drawn on the graph ($changed pixels changed)" test "${changed:-0}" -gt 30

# 2. Ctrl+Shift+C: a header line, then one line of numbers per pin.
xdotool key --clearmodifiers ctrl+shift+c
sleep 0.5
xclip -o -selection clipboard >"$work/pins.txt" 2>"$work/xclip.log"
check "the clipboard holds the pins as tab-separated lines" python3 - "$work/pins.txt" <<'PY'
import sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
if lines and lines[-1] == "":
    lines.pop()
print("\n".join(lines))
if len(lines) != 4:
    sys.exit(1)
header = lines[0].split("\t")
rows = [line.split("\t") for line in lines[1:]]
def number(cell):
    try:
        float(cell)
        return True
    except ValueError:
        return False
ok = not number(header[0]) and all(len(r) == len(header) for r in rows)
# The node number, x, y, z and the value are numbers; the element cell is empty for node values.
ok = ok and all(all(number(r[i]) for i in (0, 2, 3, 4, len(r) - 1)) for r in rows)
ok = ok and len({r[0] for r in rows}) == 3
sys.exit(0 if ok else 1)
PY

# 3. The Ctrl-clicks did not turn the graph: the closing backup keeps the plate's turn.
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then fail "the program closes"; kill "$pid"; fi
wait "$pid"
check "the Ctrl-clicks leave the turn alone" grep -q "DIGREE= 2100 1800 2130" "$XDG_DATA_HOME/vellumPLOT/bkView.ini"

if [ "$failures" -gt 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "all probe end-to-end checks passed"
