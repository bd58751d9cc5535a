#!/usr/bin/env bash
# With an argument and no display, the desktop program does the job as the headless program
# does: the picture is written and the exit status tells how the job went.
# Usage: app_without_display.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
cp -r "$source_dir/examples" "$work/examples"
failures=0
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi; }

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/vellumplot" "$work/examples/polar/disc.dat" \
    >"$work/out.txt" 2>"$work/err.txt"
check "a job with no display exits 0 (got $?)" test $? -eq 0
check "its picture is written" test -s "$work/examples/polar/disc.png"
check "its backups are written" test -s "$XDG_DATA_HOME/vellumPLOT/bkCmdLine.dat"

printf 'PointFile=none.txt\nAutoExit=1\n' >"$work/bad.dat"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/vellumplot" "$work/bad.dat" >/dev/null 2>"$work/err2.txt"
status=$?
check "a failed job with no display exits 1 (got $status)" test "$status" -eq 1
check "its messages go to standard error" grep -q "節点ファイルを確認してください" "$work/err2.txt"

[ "$failures" -eq 0 ] || exit 1
