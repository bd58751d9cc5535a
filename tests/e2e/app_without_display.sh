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

# The language: an English desktop reads English, --lang ja brings the Japanese back, and
# nothing written depends on it.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES "$@"; }
LANG=en_US.UTF-8 nodisplay "$build/vellumplot" "$work/bad.dat" >/dev/null 2>"$work/err-en.txt"
check "an English locale reads the messages in English" \
    bash -c "test -s '$work/err-en.txt' && ! grep -qP '[\x{3000}-\x{30ff}\x{4e00}-\x{9fff}]' '$work/err-en.txt'"
LANG=en_US.UTF-8 nodisplay "$build/vellumplot" --lang ja "$work/bad.dat" >/dev/null 2>"$work/err-ja.txt"
check "--lang ja reads them in Japanese" cmp -s "$work/err2.txt" "$work/err-ja.txt"
LANG=ja_JP.UTF-8 nodisplay "$build/vellumplot-batch" --lang en "$work/bad.dat" >/dev/null 2>"$work/err-batch.txt"
check "the headless program's --lang en says the same" cmp -s "$work/err-en.txt" "$work/err-batch.txt"

cp "$work/examples/polar/disc.png" "$work/disc-ja.png"
cp "$XDG_DATA_HOME/vellumPLOT/bkCmdLine.dat" "$work/bkCmdLine-ja.dat"
cp "$XDG_DATA_HOME/vellumPLOT/bkView.ini" "$work/bkView-ja.ini"
rm "$work/examples/polar/disc.png"
nodisplay "$build/vellumplot" --lang en "$work/examples/polar/disc.dat" >/dev/null 2>&1
check "the picture is the same in English" cmp -s "$work/disc-ja.png" "$work/examples/polar/disc.png"
check "the command-line backup is the same in English" cmp -s "$work/bkCmdLine-ja.dat" "$XDG_DATA_HOME/vellumPLOT/bkCmdLine.dat"
check "the look backup is the same in English" cmp -s "$work/bkView-ja.ini" "$XDG_DATA_HOME/vellumPLOT/bkView.ini"

[ "$failures" -eq 0 ] || exit 1
