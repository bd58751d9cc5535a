#!/usr/bin/env bash
# Stepping through a result series as a person would: a job with four step files, one of
# which does not fit the mesh, run by the program; the message that names it answered with
# a real key; Page Down shows another picture and Home the first one again.
# Usage: series_e2e.sh BUILD_DIR   (run under e2e/with_xvfb.sh, or with DISPLAY set)
set -u
build=$(cd "$1" && pwd)
app="$build/vellumplot"
work=$(mktemp -d)
failures=0
# The screenshots stay for a person to look at when a check fails.
trap 'kill $(jobs -p) 2>/dev/null; if [ "$failures" -gt 0 ]; then echo "screenshots in $work"; else rm -rf "$work"; fi' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }
differing() { compare -metric AE -fuzz 3% "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
# Takes screenshots of the window as `$2` until `$3` holds for the pixels that differ from
# `$1` (the paint follows the key a little later); gives the last count.
shoot_until() {
    local reference=$1 shot=$2 test=$3 changed=0
    for _ in $(seq 1 40); do
        import -window "$win" "$shot"
        changed=$(differing "$reference" "$shot")
        if "$test" "${changed:-0}"; then break; fi
        sleep 0.25
    done
    echo "${changed:-0}"
}
more_than_2000() { [ "$1" -gt 2000 ]; }
at_most_20() { [ "$1" -le 20 ]; }

# A 3 x 3 sheet; each step colours the nodes in another order; step 3 lacks node 9.
mkdir -p "$work/job"
printf '1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n7 0 2\n8 1 2\n9 2 2\n' >"$work/job/nodes.txt"
printf '1 1 2 5 4\n2 2 3 6 5\n3 4 5 8 7\n4 5 6 9 8\n' >"$work/job/elements.txt"
for step in 1 2 3 4; do
    last=9; [ "$step" -eq 3 ] && last=8
    for n in $(seq 1 "$last"); do echo "$n $(( (n * step) % 7 ))"; done >"$work/job/step_$step.txt"
done
printf 'PointFile=nodes.txt\nElementFile=elements.txt\nDataSeries=step_*.txt\nAutoExit=0\n' >"$work/job/job.dat"

"$app" "$work/job/job.dat" >"$work/app.log" 2>&1 &
pid=$!
win=""
for _ in $(seq 1 100); do
    win=$(xdotool search --name "vellumPLOT - ver.2.41 \\[" 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.2
done
[ -n "$win" ] || { fail "the window of a loaded graph appears"; cat "$work/app.log"; exit 1; }

# The background check names the step that does not fit in a message of its own.
box=""
for _ in $(seq 1 100); do
    box=$(xdotool search --onlyvisible --name "^vellumPLOT\$" 2>/dev/null | head -n 1)
    [ -n "$box" ] && break
    sleep 0.2
done
check "the step that does not fit is named in a message" test -n "$box"
if [ -n "$box" ]; then
    xdotool windowfocus --sync "$box"
    xdotool key Return
    for _ in $(seq 1 50); do xdotool search --onlyvisible --name "^vellumPLOT\$" >/dev/null 2>&1 || break; sleep 0.2; done
fi
sleep 0.5
# No window manager runs here: focus is given, not asked for.
xdotool windowfocus --sync "$win"
import -window "$win" "$work/first.png"

xdotool key Next
changed=$(shoot_until "$work/first.png" "$work/next.png" more_than_2000)
check "Page Down shows another step ($changed pixels changed)" more_than_2000 "$changed"

xdotool key Home
changed=$(shoot_until "$work/first.png" "$work/home.png" at_most_20)
check "Home shows the first step again ($changed pixels differ)" at_most_20 "$changed"

xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then fail "the program closes"; kill "$pid"; fi
wait "$pid"

if [ "$failures" -gt 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "all series end-to-end checks passed"
