#!/usr/bin/env bash
# Fails when a source file includes a folder above its own layer, or when Qt appears
# outside the application. The layers, lowest first: what a layer may include is itself
# and everything below it, so the model never reaches drawing code and drawing code never
# reaches the programs.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(common data settings batch model render vector cli app)
rank() {
    local i
    for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
    echo -1
}

status=0
for folder in "${layers[@]}"; do
    [ -d "$folder" ] || continue
    own=$(rank "$folder")
    while IFS=: read -r file line text; do
        included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/' <<<"$text")
        theirs=$(rank "$included")
        if [ "$theirs" -gt "$own" ]; then
            echo "$file:$line: $folder/ must not include $included/ ($text)"
            status=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$folder" --include='*.cpp' --include='*.h' || true)
    if [ "$folder" != app ]; then
        while IFS= read -r hit; do
            echo "$hit: Qt belongs to the application only"
            status=1
        done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q[A-Za-z]*' "$folder" --include='*.cpp' --include='*.h' || true)
    fi
done
[ "$status" -eq 0 ] && echo "layers: every include stays within its layer or below"
exit "$status"
