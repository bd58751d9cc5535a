# Sourced by the bench scripts that time a job run by run:
#
#   source "$(dirname "$0")/run_options.sh" "[APP [BATCH]]" "$@"
#
# Reads "[-n RUNS] JOB.dat [more...]" into runs (default 5), job (its full path), root (the
# source tree) and rest (the arguments after the job); the first argument names the rest in
# the usage line printed when the job is missing.
set -euo pipefail

usageTail=$1
shift
runs=5
if [[ "${1:-}" == "-n" ]]; then
    runs=$2
    shift 2
fi
if [[ $# -lt 1 ]]; then
    echo "usage: $0 [-n RUNS] JOB.dat $usageTail" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
job=$(realpath "$1")
shift
rest=("$@")
