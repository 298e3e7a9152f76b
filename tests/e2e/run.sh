#!/usr/bin/env bash
# run.sh WUXO_BINARY DATA_SOURCE: one end-to-end session of the real program.
set -uo pipefail
binary=$1
data_source=$2
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

# A private X server on the first free display number.
display=""
for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
if [ -z "$display" ]; then
    echo "SKIP: Xvfb could not start here"
    cat "$work/xvfb.log"
    exit 77
fi

export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export HOME="$work/home"
mkdir -p "$HOME"
unset QT_ACCESSIBILITY_BRIDGE WAYLAND_DISPLAY

dbus-run-session -- /usr/bin/python3 "$here/session.py" "$binary" "$data_source" "$work"
