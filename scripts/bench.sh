#!/usr/bin/env bash
# Runs every benchmark of a build, offscreen. Each prints its figures and exits
# non-zero when a figure misses its target; this script reports them all, then
# fails if any did.
set -uo pipefail
build=${1:-build}
export QTWEBENGINE_DISABLE_SANDBOX=1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
failed=()
for bench in "$build"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    name=$(basename "$bench")
    echo "== $name"
    if ! "$bench"; then
        failed+=("$name")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "benchmarks over their targets: ${failed[*]}"
    exit 1
fi
echo "every benchmark met its target"
