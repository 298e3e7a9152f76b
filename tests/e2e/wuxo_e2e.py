"""Helpers for driving the real Wuxo from outside, as a user (or a screen
reader) would: AT-SPI to find and press controls and read the editor, xdotool
for typing and shortcuts, xclip for the clipboard.

A scenario script imports this module, calls start() for each program it runs
and finish() at the end; every program it started is ended when the script
exits, whatever happened."""

import atexit
import os
import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
passed = 0
_started = []
COMMAND_TIMEOUT = 20


def check(condition, what):
    global passed
    if condition:
        passed += 1
        print("ok   ", what, flush=True)
    else:
        failures.append(what)
        print("FAIL ", what, flush=True)
    return bool(condition)


def finish():
    """Prints the closing line and exits: non-zero when any check failed."""
    print("%d passed, %d failed" % (passed, len(failures)), flush=True)
    sys.exit(1 if failures else 0)


def wait_for(probe, timeout=20.0, interval=0.1):
    end = time.time() + timeout
    while time.time() < end:
        try:
            value = probe()
        except Exception:
            value = None
        if value:
            return value
        time.sleep(interval)
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def find(root, role=None, name=None, showing=True):
    for node in walk(root):
        try:
            if role is not None and node.getRoleName() != role:
                continue
            if name is not None and node.name != name:
                continue
            if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            return node
        except Exception:
            continue
    return None


def press(node):
    node.queryAction().doAction(0)


def press_opening_a_box(node):
    """Presses a control whose command waits in a modal box: the program answers
    the press only when the box closes, so don't wait for that answer."""
    try:
        node.queryAction().doAction(0)
    except GLib.Error:
        pass


def type_into(window, node):
    """Gives the X focus to the window and the keyboard focus to the control."""
    xdotool("windowfocus", "--sync", window)
    node.queryComponent().grabFocus()
    time.sleep(0.3)


def answer(box, button):
    """Presses a button of a box the program shows, if the box and button are there."""
    if box is None:
        return
    node = find(box, role="push button", name=button)
    if node is not None:
        press(node)


def ends(process, timeout=20):
    try:
        process.wait(timeout=timeout)
        return True
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        return False


def text_of(node):
    text = node.queryText()
    return text.getText(0, -1)


def xdotool(*args):
    try:
        return subprocess.run(["xdotool", *args], capture_output=True, text=True,
                              timeout=COMMAND_TIMEOUT).stdout.strip()
    except subprocess.TimeoutExpired:
        return ""


def clipboard(target=None):
    command = ["xclip", "-o", "-selection", "clipboard"]
    if target:
        command += ["-t", target]
    try:
        return subprocess.run(command, capture_output=True, text=True, timeout=10).stdout
    except subprocess.TimeoutExpired:
        return ""


def set_clipboard(text, target=None):
    """Puts text on the clipboard as another program would: xclip keeps serving
    it in the background until something else takes the clipboard."""
    command = ["xclip", "-i", "-selection", "clipboard"]
    if target:
        command += ["-t", target]
    subprocess.run(command, input=text, text=True, timeout=10)


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def make_program(work, data_source, prefs, name="program"):
    """A fresh program folder under work: the program and a data folder with the
    shipped files and the given prefs.txt bytes. Returns (program path, data path)."""
    binary = os.environ["WUXO_BINARY"]
    program = os.path.join(work, name)
    data = os.path.join(program, "data")
    os.makedirs(data)
    shutil.copy(binary, os.path.join(program, "wuxo"))
    # The web engine plugin goes where the program looks for it: the same place
    # relative to the program as in the build tree.
    plugin = os.environ.get("WUXO_PREVIEW_PLUGIN")
    if plugin:
        copy = os.path.normpath(os.path.join(program, os.path.relpath(plugin, os.path.dirname(binary))))
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        shutil.copy(plugin, copy)
    for entry in ("insert.txt", "web.txt", "tags.txt", "template.txt", "preview.txt"):
        shutil.copy(os.path.join(data_source, entry), data)
    with open(os.path.join(data, "prefs.txt"), "wb") as f:
        f.write(prefs)
    return os.path.join(program, "wuxo"), data


def start(command, cwd, **kwargs):
    """Starts a program that is ended when the script exits, if it still runs."""
    process = subprocess.Popen(command, cwd=cwd, **kwargs)
    _started.append(process)
    return process


@atexit.register
def _end_started():
    for process in _started:
        if process.poll() is None:
            process.kill()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass


def open_main_window(program_path, cwd, title, env=None, editor_name="Post Editor"):
    """Starts the program (in the environment env, when given) and waits for its main
    window (found by `title`) and its post editor (by `editor_name`, as the user's language
    says it); a scenario that cannot reach them ends here. Returns
    (process, accessible application, X window id, editor)."""
    process = start([program_path], cwd=cwd, env=env)
    app = wait_for(lambda: application(process.pid), timeout=40)
    check(app is not None, "the program shows up on the accessibility bus")
    if app is None:
        finish()
    window_id = wait_for(lambda: xdotool("search", "--sync", "--limit", "1", "--name", title))
    editor = wait_for(lambda: find(app, name=editor_name))
    check(editor is not None and bool(window_id), "the main window and its post editor are there")
    if editor is None:
        finish()
    return process, app, window_id, editor
