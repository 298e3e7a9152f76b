#!/usr/bin/env bash
# make screenshots: draws every window into docs/ on a private X server.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
export QTWEBENGINE_DISABLE_SANDBOX=1 QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$build/scripts/screenshots/wuxo-screenshots" "$root/docs"
