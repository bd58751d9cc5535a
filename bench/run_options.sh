# Sourced by the bench scripts that time a job run by run:
#
#   source "$(dirname "$0")/run_options.sh" "[APP [BATCH]]" "$@"
#
# Reads "[-n RUNS] [-m warm|cold] JOB.dat [more...]" into runs (default 5), memory (default
# warm), job (its full path), root (the source tree) and rest (the arguments after the job);
# the first argument names the rest in the usage line printed when the job is missing.
#
# The memory state decides much of a large job's time on a virtual machine, so each timed
# run is given a known one, the same for every program compared (settleBefore below):
#   warm  each program runs once, untimed, right before its timed run, which then takes the
#         memory its own kind has just freed: a machine running such jobs one after another.
#   cold  each timed run waits 3 s first. A virtual machine that reports freed memory to its
#         host (free page reporting hands it back after about 2 s) has it backed afresh at
#         the next touch, about 2.5 ms per MB on the one these figures come from: the first
#         run in a while.
set -euo pipefail

usageTail=$1
shift
runs=5
memory=warm
while [[ $# -gt 0 ]]; do
    case $1 in
    -n) runs=$2; shift 2 ;;
    -m) memory=$2; shift 2 ;;
    *) break ;;
    esac
done
if [[ $# -lt 1 || ( $memory != warm && $memory != cold ) ]]; then
    echo "usage: $0 [-n RUNS] [-m warm|cold] JOB.dat $usageTail" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
job=$(realpath "$1")
shift
rest=("$@")

# Puts memory in the chosen state for a timed run of the command given: runs it once with
# its output dropped (warm), or waits (cold).
settleBefore() {
    if [[ $memory == warm ]]; then
        "$@" >/dev/null 2>&1 || true
    else
        sleep 3
    fi
}
