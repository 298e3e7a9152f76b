#!/usr/bin/env bash
# Runs every benchmark of a build. Each prints its figures and exits non-zero
# when a figure misses its target; this script reports them all, then fails
# if any did.
set -uo pipefail
build=${1:-build}
export QTWEBENGINE_DISABLE_SANDBOX=1
failed=()
for bench in "$build"/bench/bench_*; do
    [ -x "$bench" ] || continue
    name=$(basename "$bench")
    echo "== $name"
    if command -v xvfb-run >/dev/null 2>&1 && [ -z "${DISPLAY:-}" ]; then
        runner=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")
    else
        runner=()
    fi
    if ! "${runner[@]}" "$bench"; then
        failed+=("$name")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "benchmarks over their targets: ${failed[*]}"
    exit 1
fi
echo "every benchmark met its target"
