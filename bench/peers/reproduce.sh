#!/bin/bash
# Reproduces the README's performance table with one command: installs the peers (Debian
# packages only), builds the headless program when it is missing, writes the grid job,
# and times matplotlib, VTK, gnuplot and vellumplot-batch on it side by side.
#
# Usage: bench/peers/reproduce.sh [N [DIR]]     N nodes a side (default 1000), DIR for the data
# Environment: RUNS (default 3), PEERS (default "matplotlib vtk gnuplot"), LIMIT_S.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
project=$(cd "$here/../.." && pwd)
n=${1:-1000}
dir=${2:-${TMPDIR:-/tmp}/vellum-peers/N$n}

packages=(python3-numpy python3-matplotlib python3-vtk9 gnuplot-nox xvfb xauth time)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -x "$project/build/vellumplot-batch" ] || bash "$project/scripts/setup.sh" --programs

# The job and its look: 16 filled contour bands with their lines, seen from above.
[ -f "$dir/job.dat" ] || /usr/bin/python3 "$here/gen_grid.py" "$n" "$dir"

echo "before: $(uptime)"
VIEWER="$project/build/vellumplot-batch --size 800x600" "$here/run_peers.sh" "$dir"
echo "after: $(uptime)"
