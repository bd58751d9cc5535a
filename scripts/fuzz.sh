#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on) and runs each over its seed corpus for a fixed number of runs.
#   scripts/fuzz.sh [RUNS] [TARGET...]      RUNS defaults to 3000; all targets by default
#   VELLUM_FUZZ_BUILD_ONLY=1 scripts/fuzz.sh  builds and gathers the seeds only
# The seeds come from examples/ and the bad-input files under tests/bad-input/; they are
# gathered into BUILD/seeds/<target>/; what a run learns stays in BUILD/corpus/<target>/ and
# an input that crashes goes to BUILD/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${VELLUM_FUZZ_BUILD_DIR:-build-fuzz}
runs=${1:-3000}
shift || true

# clang and its fuzzer runtime are needed here only, not by the normal build.
missing=()
for p in clang-14 libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUM_FUZZ=ON \
  -DVELLUM_BUILD_APP=OFF -DVELLUM_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target fuzz_targets -j"$(nproc)"

# Seeds: the files of each kind, behind the options byte the targets take first where
# they take one (0: the plain case).
seeds=$build/seeds
rm -rf "$seeds"
seed() { # seed TARGET PREFIX FILE...
  local target=$1 prefix=$2; shift 2
  mkdir -p "$seeds/$target"
  local f
  for f in "$@"; do
    [ -f "$f" ] || continue
    local name
    name=$(echo "$f" | sed "s|^$root/||; s|/|_|g")
    { [ -n "$prefix" ] && printf "$prefix"; head -c 4000 "$f"; } >"$seeds/$target/$name"
  done
}
shopt -s nullglob globstar
bad=(tests/bad-input/**)
kind() { # files of the corpus and the examples whose names match a pattern
  local pattern=$1 f
  for f in examples/**/$pattern "${bad[@]}"; do
    case "$(basename "$f")" in $pattern) echo "$f" ;; esac
  done
}
mapfile -t nodes < <(kind '*nodes*.txt')
mapfile -t elements < <(kind '*elements*.txt')
mapfile -t rows < <(kind '*data*.txt'; ls examples/plate/deflection.txt examples/*/*-{stress,temperature,velocity}.txt)
seed fuzz_node_file '\x00' "${nodes[@]}"
seed fuzz_node_file '\x03' examples/polar/disc-nodes.txt
seed fuzz_automesh '\x00' "${nodes[@]}"
seed fuzz_element_file '\x00' "${elements[@]}"
seed fuzz_element_file '\x06' "${elements[@]}"
seed fuzz_data_file '\x00' "${rows[@]}"
seed fuzz_data_file '\x01' "${rows[@]}"
seed fuzz_data_file '\x02' "${rows[@]}"
seed fuzz_stl_file '' $(kind '*.[sS][tT][lL]')
seed fuzz_view_file '' $(kind '*.ini')
seed fuzz_command_line '' $(kind '*.dat') $(kind '*.DAT') $(kind 'job*.txt')
seed fuzz_material_file '' $(kind '*material*')
seed fuzz_profile '' $(kind '*profile*')
# Each target's own small sheet, so that every target starts from an input that loads.
printf '\x00%b' '1 1 2 5 4\n2 2 3 6 5\n3 4 5 8 7\n4 5 6 9 8\n' >"$seeds/fuzz_element_file/sheet"
printf '\x00%b' '1 1 10 3\n2 2 20 3\n3 3 30 3\n4 4 40 3\n5 5 50 3\n6 6 60 3\n7 7 70 3\n8 8 80 3\n9 9 -90 3\n' \
  >"$seeds/fuzz_data_file/sheet"
printf '%b' 'DataType=0\nDataNumber=1\nPointFile=n.txt\nElementFile=e.txt\nDataFile=d.txt\nViewFile=v.ini\n' \
  >"$seeds/fuzz_command_line/sheet.dat"
printf '%b' '1 1\n2 2\n3 7\n4 1\n' >"$seeds/fuzz_material_file/sheet"
printf '%b' '[PATH]\nnum=2\npath0=/data\npath1=\\\\x\nfullPath=1\n[Window]\nleft=-5\n[NEWFILEOPEN]\ndimension=3\n' \
  >"$seeds/fuzz_profile/sheet"
mkdir -p "$seeds/fuzz_view_file"
printf '%b' '[GRAPH]\nMODE= 1\nCONTNUM= 40\n[HANREI]\nNUM= 12\n[GRID]\nNUM= 7 7 7\n' >"$seeds/fuzz_view_file/sheet.ini"

[ "${VELLUM_FUZZ_BUILD_ONLY:-0}" = 1 ] && exit 0

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_node_file fuzz_element_file fuzz_data_file fuzz_automesh fuzz_stl_file
  fuzz_view_file fuzz_command_line fuzz_profile fuzz_material_file)
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target crashes=$build/crashes/$target
  mkdir -p "$corpus" "$crashes"
  echo "fuzz: $target ($runs runs)"
  "$build/fuzz/$target" -runs="$runs" -max_len=4096 -timeout=20 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$corpus" "$seeds/$target" 2>"$build/$target.log" \
    || { tail -60 "$build/$target.log"; echo "fuzz: $target failed"; exit 1; }
  grep -E 'stat::number_of_executed_units|cov:' "$build/$target.log" | tail -2
done
