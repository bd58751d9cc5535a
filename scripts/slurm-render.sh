#!/usr/bin/env bash
# Renders a result series, or a list of jobs, as a Slurm job array: each task runs one
# shard of the work with vellumplot-batch --shard I/N, so N tasks on N machines together
# write every frame (or run every job) exactly once. With --fixed-range one job first
# prints the series' legend range and every task draws with it.
#
# Usage:
#   scripts/slurm-render.sh --tasks N --series PATTERN [--fixed-range] [--size WxH]
#                           [--wait] [--program PATH] [--sbatch "ARGS"] JOB.dat
#   scripts/slurm-render.sh --tasks N --jobs LISTFILE [--size WxH] [--wait] ...
# PATTERN names the frames as --series does (frames/f_%04d.png). The files must be on a
# file system every node sees. --sbatch passes further options to every sbatch (a
# partition, an account, a time limit). Prints the array job's id.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
program="$here/build/vellumplot-batch"
tasks=""
series=""
jobs=""
size=""
fixed=0
wait_for_it=0
sbatch_extra=""
job=""
while [ $# -gt 0 ]; do
    case "$1" in
    --tasks) tasks=$2; shift 2 ;;
    --series) series=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --fixed-range) fixed=1; shift ;;
    --wait) wait_for_it=1; shift ;;
    --program) program=$2; shift 2 ;;
    --sbatch) sbatch_extra=$2; shift 2 ;;
    -h | --help) sed -n '2,14p' "$0"; exit 0 ;;
    -*) echo "slurm-render: unknown option $1" >&2; exit 1 ;;
    *) job=$1; shift ;;
    esac
done
case "$tasks" in '' | *[!0-9]* | 0) echo "slurm-render: --tasks wants a number from 1" >&2; exit 1 ;; esac
if [ -n "$series" ] && [ -z "$job" ]; then echo "slurm-render: --series needs a command-line file" >&2; exit 1; fi
if [ -z "$series" ] && [ -z "$jobs" ]; then echo "slurm-render: give --series or --jobs" >&2; exit 1; fi
[ -x "$program" ] || { echo "slurm-render: no program at $program" >&2; exit 1; }

absolute() { case "$1" in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
work=$(mktemp -d "${SLURM_RENDER_TMP:-$PWD}/slurm-render.XXXXXX")
common=()
[ -n "$size" ] && common+=(--size "$size")
if [ -n "$series" ]; then
    common+=(--series "$(absolute "$series")")
    target=$(absolute "$job")
else
    common+=(--jobs "$(absolute "$jobs")")
    target=""
fi

# shellcheck disable=SC2086 # the extra sbatch options are words of their own
submit() { sbatch --parsable $sbatch_extra "$@"; }

dependency=()
range_file="$work/range.json"
if [ "$fixed" = 1 ] && [ -n "$series" ]; then
    cat >"$work/range.sh" <<EOF
#!/usr/bin/env bash
exec "$program" --print-range "$target" >"$range_file"
EOF
    range_job=$(submit -J vellum-range -o "$work/range.log" "$work/range.sh")
    dependency=(--dependency="afterok:$range_job")
fi

# Each task: its shard, and the range the first job found when there is one.
{
    echo '#!/usr/bin/env bash'
    echo 'set -eu'
    printf 'arguments=('
    printf '%q ' "${common[@]}"
    echo ')'
    echo "if [ -s $(printf '%q' "$range_file") ]; then"
    echo "    range=\$(sed -E 's/.*\"min\": ([^,]+), \"max\": ([^}]+)}.*/\\1,\\2/' $(printf '%q' "$range_file"))"
    echo '    arguments+=(--range "$range")'
    echo 'fi'
    printf 'exec %q --shard "$SLURM_ARRAY_TASK_ID/%d" "${arguments[@]}"' "$program" "$tasks"
    [ -n "$target" ] && printf ' %q' "$target"
    echo
} >"$work/task.sh"
wait_flag=()
[ "$wait_for_it" = 1 ] && wait_flag=(--wait)
array_job=$(submit -J vellum-render --array="0-$((tasks - 1))" -o "$work/task-%a.log" --kill-on-invalid-dep=yes \
    "${dependency[@]}" "${wait_flag[@]}" \
    "$work/task.sh")
echo "$array_job"
