#!/usr/bin/env bash
# The desktop program on a large job beside the headless program, taken turn about:
#
#   bench/window_ratio.sh [-n RUNS] [-m warm|cold] JOB.dat [APP [BATCH]]
#
# APP is the desktop program (default build/vellumplot), BATCH the headless one (default
# build/vellumplot-batch). Each run starts the window on its own Xvfb server with the job and
# times, from the moment it is started, the end of its first picture (VELLUM_PAINT_TIMES=1
# reports when a paint is finished); reads its peak memory once the picture has been up a
# second and a half (the contours are kept by then); turns the graph with the d key and
# resizes the window, timing those paints; then times the headless program on the same job
# with /usr/bin/time. Before each program's timed run memory is put in the state -m names
# (warm by default, where the program has just run to its first picture; see
# run_options.sh). Prints each run, the medians and the ratios window / headless.
#
# The window runs a copy of the job with AutoExit=0, written beside it and removed after,
# so that it stays open; its profile and backups go to a temporary folder. Needs Xvfb,
# xdotool and /usr/bin/time (Debian packages xvfb, xdotool, time).
source "$(dirname "$0")/run_options.sh" "[APP [BATCH]]" "$@"
app=$(realpath "${rest[0]:-$root/build/vellumplot}")
batch=$(realpath "${rest[1]:-$root/build/vellumplot-batch}")
for tool in Xvfb xdotool /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done

work=$(mktemp -d)
windowJob="$(dirname "$job")/.window_ratio.$$.dat"
display=""
cleanup() {
    [[ -n "$display" ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work" "$windowJob"
}
trap cleanup EXIT
grep -v -i '^AutoExit=' "$job" > "$windowJob"
echo "AutoExit=0" >> "$windowJob"

# A display of our own, so that no window manager or other client changes the timings.
for n in $(seq 90 120); do
    [[ -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    display=":$n"
    break
done
[[ -n "$display" ]] || { echo "no free display number" >&2; exit 1; }
export DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

now() { date +%s%3N; }
paints() { grep -c '^paint [0-9]*x[0-9]*: ' "$work/app.err" 2>/dev/null || true; }
# Waits until at least $1 full paints are reported and none has followed for half a second
# (30 s at most): a held key's quick paints come before the full one.
waitPaints() {
    local seen=-1 still=0
    for _ in $(seq 300); do
        local now_=$(paints)
        if [[ $now_ -ge $1 && $now_ -eq $seen ]]; then
            still=$((still + 1))
            [[ $still -ge 5 ]] && return
        else
            still=0
        fi
        seen=$now_
        sleep 0.1
    done
}
lastPaintMs() { grep '^paint [0-9]*x[0-9]*: ' "$work/app.err" | tail -1 | sed 's/.*: \([0-9.]*\) ms.*/\1/'; }
hwmMiB() { awk '/VmHWM/ {printf "%d", $2 / 1024}' "/proc/$1/status"; }

# Starts the window on the job and waits for its first picture: pid and started are set.
startWindow() {
    : > "$work/app.err"
    started=$(now)
    VELLUM_PAINT_TIMES=1 "$app" "$windowJob" 2>"$work/app.err" &
    pid=$!
    for _ in $(seq 600); do [[ $(paints) -ge 1 ]] && break; sleep 0.05; done
}
# An untimed run to the first picture, closed at once.
windowToFirstPicture() {
    startWindow
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "memory $memory; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-4s %12s %10s %10s %10s %10s %12s %10s\n' run "first (s)" "MiB kept" "turn ms" "resize ms" "MiB peak" "headless s" "MiB"
for run in $(seq "$runs"); do
    settleBefore windowToFirstPicture
    startWindow
    end=$(grep -m1 '^paint [0-9]*x[0-9]*: ' "$work/app.err" | sed 's/.*ends at \([0-9]*\) ms/\1/')
    first=$(awk -v a="$end" -v b="$started" 'BEGIN {printf "%.3f", (a - b) / 1000}')
    sleep 1.5
    kept=$(hwmMiB "$pid")
    window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    xdotool mousemove 1270 1010
    xdotool windowfocus --sync "$window"
    waitPaints 1 # whatever the focus repaints
    count=$(paints)
    xdotool key d
    waitPaints $((count + 1))
    turn=$(lastPaintMs)
    count=$(paints)
    xdotool windowsize "$window" 900 700
    waitPaints $((count + 1))
    resize=$(lastPaintMs)
    peak=$(hwmMiB "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    settleBefore env -u DISPLAY "$batch" --size 800x600 --out "$work/out.png" "$job"
    env -u DISPLAY /usr/bin/time -o "$work/batch.time" -f '%e %M' "$batch" --size 800x600 --out "$work/out.png" "$job" \
        >/dev/null 2>&1 || true
    read -r headless headlessKb < "$work/batch.time"
    headlessMiB=$((headlessKb / 1024))
    printf '%-4s %12s %10s %10s %10s %10s %12s %10s\n' "$run" "$first" "$kept" "$turn" "$resize" "$peak" \
        "$headless" "$headlessMiB"
    echo "$first $kept $turn $resize $peak $headless $headlessMiB" >> "$work/runs"
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
col() { awk -v c="$1" '{print $c}' "$work/runs" | median; }
f=$(col 1) k=$(col 2) t=$(col 3) r=$(col 4) p=$(col 5) h=$(col 6) hm=$(col 7)
printf 'medians: first picture %s s, memory kept %s MiB, turn %s ms, resize %s ms, peak %s MiB; headless %s s, %s MiB\n' \
    "$f" "$k" "$t" "$r" "$p" "$h" "$hm"
awk -v f="$f" -v h="$h" -v p="$p" -v hm="$hm" \
    'BEGIN {printf "ratio window / headless: first picture %.2f, peak memory %.2f\n", f / h, p / hm}'
