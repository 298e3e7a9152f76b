#!/usr/bin/env bash
# run.sh WUXO_BINARY DATA_SOURCE SCENARIO: one end-to-end scenario (a Python
# script in this folder) against the real program, on a private X server and
# D-Bus session.
set -uo pipefail
binary=$1
data_source=$2
scenario=${3:-session.py}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool xclip dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed, so the program cannot be driven from outside"
        exit 77
    fi
done
if [ ! -x /usr/bin/python3 ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: /usr/bin/python3 with pyatspi (python3-pyatspi) is needed"
    exit 77
fi

work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null; rm -rf "$work"' EXIT

# A private X server: Xvfb picks a free display itself and writes its number.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
number=""
read -r -t 20 -u "$displayfd" number || true
exec {displayfd}>&-
if [ -z "$number" ]; then
    echo "SKIP: Xvfb could not start here"
    cat "$work/xvfb.log"
    exit 77
fi

export DISPLAY=":$number"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export HOME="$work/home"
mkdir -p "$HOME"
export WUXO_BINARY="$binary"
export PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}"
unset QT_ACCESSIBILITY_BRIDGE WAYLAND_DISPLAY
# The scenarios read the program's English texts; one that wants another language says so.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

timeout -k 10 "${WUXO_E2E_TIMEOUT:-220}" \
    dbus-run-session -- /usr/bin/python3 "$here/$scenario" "$data_source" "$work"
