#!/usr/bin/env bash
# A real, single-node Slurm cluster on this machine (munge, the controller and one node
# daemon on localhost, configured in a temporary folder) renders a 40-step series as a
# 4-task job array with scripts/slurm-render.sh; every frame must exist and equal, byte for
# byte, the frame one process draws. The daemons are stopped at the end.
# Usage: slurm_render.sh BUILD_DIR   (as root, with slurm-wlm and munge installed)
set -u
# The daemons run as root here; elsewhere the test cannot start them.
if [ "$(id -u)" -ne 0 ] || ! command -v slurmctld >/dev/null; then echo "skipped: needs root and slurm-wlm"; exit 77; fi
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }
stop_daemons() {
    for pid_file in "$work/slurm/ctld.pid" "$work/slurm/d.pid" "$work/munge/pid"; do
        [ -s "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null
    done
    sleep 0.5
}
trap 'stop_daemons; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

# The cluster: munge with a key of its own, a controller and a node on this host.
host=$(hostname -s)
mkdir -p "$work/munge" "$work/slurm/state" "$work/slurm/spool"
head -c 1024 /dev/urandom >"$work/munge/munge.key"
chmod 400 "$work/munge/munge.key"
munged -f --key-file="$work/munge/munge.key" --socket="$work/munge/socket" --pid-file="$work/munge/pid" \
    --log-file="$work/munge/log" --seed-file="$work/munge/seed" || { fail "munged starts"; exit 1; }
cat >"$work/slurm/slurm.conf" <<EOF
ClusterName=vellumtest
SlurmctldHost=$host(127.0.0.1)
AuthType=auth/munge
AuthInfo=socket=$work/munge/socket
CryptoType=crypto/munge
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
SlurmctldPort=46817
SlurmdPort=46818
SlurmUser=root
SlurmdUser=root
StateSaveLocation=$work/slurm/state
SlurmdSpoolDir=$work/slurm/spool
SlurmctldPidFile=$work/slurm/ctld.pid
SlurmdPidFile=$work/slurm/d.pid
SlurmctldLogFile=$work/slurm/ctld.log
SlurmdLogFile=$work/slurm/d.log
ReturnToService=2
MpiDefault=none
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=test Nodes=$host Default=YES MaxTime=INFINITE State=UP
EOF
export SLURM_CONF="$work/slurm/slurm.conf"
slurmctld || { fail "slurmctld starts"; cat "$work/slurm/ctld.log"; exit 1; }
slurmd || { fail "slurmd starts"; cat "$work/slurm/d.log"; exit 1; }
ready=0
for _ in $(seq 1 100); do
    if sinfo -h -o %t 2>/dev/null | grep -qx idle; then ready=1; break; fi
    sleep 0.2
done
check "the node is ready" test "$ready" = 1

# A 40-step series on a small grid.
python3 - "$work/job" <<'PY'
import math, os, sys
root = sys.argv[1]
os.makedirs(root + "/steps")
with open(root + "/nodes.txt", "w") as f:
    for j in range(31):
        for i in range(31):
            f.write(f"{j * 31 + i + 1} {i / 30:.4f} {j / 30:.4f}\n")
for s in range(1, 41):
    with open(f"{root}/steps/s_{s}.txt", "w") as f:
        for n in range(1, 31 * 31 + 1):
            f.write(f"{n} {math.sin(n * 0.02 + s * 0.15) * s:.6f}\n")
with open(root + "/job.dat", "w") as f:
    f.write("PointFile=nodes.txt\nDataSeries=steps/s_*.txt\n")
PY

cd "$work"
SLURM_RENDER_TMP="$work" bash "$source_dir/scripts/slurm-render.sh" --tasks 4 --series "$work/cluster/f_%02d.png" \
    --fixed-range --size 320x240 --wait --program "$build/vellumplot-batch" "$work/job/job.dat" >"$work/submit.log" 2>&1
status=$?
check "the job array ends well (sbatch --wait gave $status)" test "$status" -eq 0
"$build/vellumplot-batch" --series "$work/one/f_%02d.png" --fixed-range --size 320x240 "$work/job/job.dat" \
    >/dev/null 2>"$work/one.log"
check "one process draws the series" test "$?" -eq 0
count=$(ls "$work/cluster" 2>/dev/null | wc -l)
check "the cluster wrote 40 frames (got $count)" test "$count" -eq 40
same=0
for n in $(seq -w 1 40); do cmp -s "$work/cluster/f_$n.png" "$work/one/f_$n.png" && same=$((same + 1)); done
check "every frame equals the one process's ($same of 40)" test "$same" -eq 40

if [ "$failures" -gt 0 ]; then
    cat "$work/submit.log" "$work"/slurm-render.*/*.log 2>/dev/null | tail -20
    echo "$failures failure(s)"
    exit 1
fi
echo "all cluster checks passed"
