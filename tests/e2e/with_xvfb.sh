#!/usr/bin/env bash
# Runs a command on a virtual X server of its own. Xvfb chooses a free display number
# itself (-displayfd) and reports it once it accepts connections, so tests started at the
# same moment never race for one number, as two "xvfb-run -a" can. -noreset keeps the server
# up when its last client leaves: a server resetting between two programs of a test refuses
# the second one's connection.
# Usage: with_xvfb.sh COMMAND [ARG...]
set -u
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 1 200); do
    grep -q '^[0-9][0-9]*$' "$dir/display" 2>/dev/null && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
display=$(head -n 1 "$dir/display" 2>/dev/null)
if ! [[ "$display" =~ ^[0-9]+$ ]]; then
    echo "with_xvfb.sh: the virtual X server did not start" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$display" "$@"
