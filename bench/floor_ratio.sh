#!/usr/bin/env bash
# The million-node job beside the floor of its loading, taken turn about in one run:
#
#   bench/floor_ratio.sh [-n RUNS] [-m warm|cold] JOB.dat [BATCH [FLOOR]]
#
# BATCH is the headless program (default build/vellumplot-batch), FLOOR the floor scanner
# (default build/bench/floor_scan). Each run times both as whole processes, each after
# putting memory in the state -m names (warm by default; see run_options.sh), with
# /usr/bin/time (wall and user + system CPU); the floor's own figure inside the process is
# printed too. Prints the medians and the ratios job / floor, with the load average before
# and after, since on a shared machine wall times follow the load and CPU times much less.
source "$(dirname "$0")/run_options.sh" "[BATCH [FLOOR]]" "$@"
batch=$(realpath "${rest[0]:-$root/build/vellumplot-batch}")
floor=$(realpath "${rest[1]:-$root/build/bench/floor_scan}")
size=${SIZE:-800x600}
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$(dirname "$job")"

echo "load before: $(uptime)"
for ((i = 1; i <= runs; i++)); do
    settleBefore "$batch" --size "$size" "$job"
    /usr/bin/time -f '%e %U %S %M' -o "$work/job.$i" "$batch" --size "$size" "$job" \
        > /dev/null 2> "$work/job.err" || { cat "$work/job.err" >&2; exit 1; }
    settleBefore "$floor" "$job"
    /usr/bin/time -f '%e %U %S %M' -o "$work/floor.$i" "$floor" "$job" > "$work/inside.$i"
done
echo "load after:  $(uptime)"

/usr/bin/python3 - "$work" "$runs" "$memory" <<'EOF'
import json, statistics, sys
work, runs = sys.argv[1], int(sys.argv[2])
def times(name):
    rows = [open(f"{work}/{name}.{i}").read().split()[-4:] for i in range(1, runs + 1)]
    return [float(r[0]) for r in rows], [float(r[1]) + float(r[2]) for r in rows], [int(r[3]) // 1024 for r in rows]
jw, jc, jm = times("job")
fw, fc, fm = times("floor")
inside = [json.loads(open(f"{work}/inside.{i}").read()) for i in range(1, runs + 1)]
iw = [d["wall_s"] for d in inside]
ic = [d["cpu_s"] for d in inside]
med = statistics.median
print(f"runs: {runs} each, taken turn about, memory {sys.argv[3]}")
print(f"{'':24}{'wall median':>12}{'wall range':>16}{'CPU median':>12}{'peak MB':>9}")
print(f"{'job (whole process)':24}{med(jw):11.3f}s{min(jw):8.3f}-{max(jw):.3f}s{med(jc):11.3f}s{max(jm):9d}")
print(f"{'floor (whole process)':24}{med(fw):11.3f}s{min(fw):8.3f}-{max(fw):.3f}s{med(fc):11.3f}s{max(fm):9d}")
print(f"{'floor (inside)':24}{med(iw):11.3f}s{min(iw):8.3f}-{max(iw):.3f}s{med(ic):11.3f}s")
print(f"ratio job / floor, whole processes: wall {med(jw) / med(fw):.2f}, CPU {med(jc) / med(fc):.2f}")
print(f"ratio job / floor inside:           wall {med(jw) / med(iw):.2f}, CPU {med(jc) / med(ic):.2f}")
EOF
