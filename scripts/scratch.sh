# Sourced by scripts that start programs: a scratch folder in $work, and the
# background processes listed in $pids, all gone when the script ends.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
