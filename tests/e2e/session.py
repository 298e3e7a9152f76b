"""One session of the real Wuxo, driven from outside as a user (or a screen
reader) would: AT-SPI to find and press controls and read the editor, xdotool
for typing and shortcuts, xclip for the clipboard. Every result is checked from
outside: window titles, files in the data folder, the clipboard."""

import os
import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

binary, data_source, work = sys.argv[1:4]
failures = []
passed = 0


def check(condition, what):
    global passed
    if condition:
        passed += 1
        print("ok   ", what, flush=True)
    else:
        failures.append(what)
        print("FAIL ", what, flush=True)


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


def ends(process):
    try:
        process.wait(timeout=20)
        return True
    except subprocess.TimeoutExpired:
        process.kill()
        return False


def text_of(node):
    text = node.queryText()
    return text.getText(0, -1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          text=True, timeout=10).stdout


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


# A fresh program folder: the program, and a data folder with the shipped files
# and a prefs.txt that names the desk and keeps the window up after copying.
program = os.path.join(work, "program")
data = os.path.join(program, "data")
os.makedirs(data)
shutil.copy(binary, os.path.join(program, "wuxo"))
for name in ("insert.txt", "web.txt", "tags.txt", "template.txt", "preview.txt"):
    shutil.copy(os.path.join(data_source, name), data)
with open(os.path.join(data, "prefs.txt"), "wb") as f:
    f.write(b"[Branding]\r\nName=E2E Desk\r\n[Preferences]\r\nCopyMinimize=0\r\nPreviewIntegrated=1\r\n")
wuxo = os.path.join(program, "wuxo")
caption = "E2E Desk  [Quorvel Wuxo]"

first = subprocess.Popen([wuxo], cwd=work)
app = wait_for(lambda: application(first.pid), timeout=40)
check(app is not None, "the program shows up on the accessibility bus")
if app is None:
    first.kill()
    print("0 passed, 1 failed")
    sys.exit(1)

frame = wait_for(lambda: find(app, role="frame", name=caption), timeout=20)
check(frame is not None, "the caption comes from [Branding] Name: " + caption)
window_id = wait_for(lambda: xdotool("search", "--sync", "--limit", "1", "--name", "E2E Desk"))
check(bool(window_id), "the main window exists on the X server")

editor = wait_for(lambda: find(app, name="Post Editor"))
check(editor is not None, "the post editor is reachable by name")
controls = ("push button", "check box", "combo box", "text", "menu item")
unnamed = [n.getRoleName() for n in walk(frame) if n.getRoleName() in controls and not n.name] if frame else ["no frame"]
check(not unnamed, "every control of the main window has a name a screen reader can say (unnamed: %r)" % unnamed)

# Typing, Ctrl+B and Undo, read back through the editor's accessible text.
type_into(window_id, editor)
xdotool("type", "--delay", "30", "Hello ")
xdotool("key", "ctrl+b")
xdotool("type", "--delay", "30", "bold")
check(wait_for(lambda: text_of(editor) == "Hello [B]bold[/B]", timeout=10),
      "typing and Ctrl+B give 'Hello [B]bold[/B]' (got %r)" % text_of(editor))
xdotool("key", "ctrl+z")
check(wait_for(lambda: text_of(editor) == "Hello [B]bol[/B]", timeout=10),
      "Undo takes back the last typed character (got %r)" % text_of(editor))

# Save Draft writes the post and one CR LF.
xdotool("key", "ctrl+s")
draft = os.path.join(data, "draft.txt")
check(wait_for(lambda: read(draft) == b"Hello [B]bol[/B]\r\n", timeout=10),
      "Save Draft writes the post followed by CR LF (got %r)" % read(draft))

# A second start is refused while this one runs.
second = subprocess.Popen([wuxo], cwd=work)
second_app = wait_for(lambda: application(second.pid), timeout=40)
refusal = wait_for(lambda: find(second_app, name="Wuxo Error"), timeout=20) if second_app else None
check(refusal is not None, "a second start shows the 'Wuxo Error' box")
if refusal is not None:
    texts = [n.name for n in walk(refusal) if n.getRoleName() == "label"]
    check(any("Wuxo is already running. Please close the other instance before starting Wuxo again." in t
              for t in texts), "the refusal says why")
answer(refusal, "OK")
check(ends(second) and second.returncode == 0, "the refused instance ends by itself")
check(first.poll() is None, "the first instance keeps running")

# Preview writes preview.html and shows it; the button turns into Edit Post.
preview_button = find(app, role="push button", name="Preview Post")
check(preview_button is not None, "the Preview Post button is reachable")
page = os.path.join(data, "preview.html")
if preview_button is not None:
    press(preview_button)
    written = wait_for(lambda: read(page), timeout=20)
    check(written is not None and b"Hello <b>bol</b>" in written and written.endswith(b"\r\n"),
          "Preview writes preview.html with the converted post")
    edit_button = wait_for(lambda: find(app, role="push button", name="Edit Post"), timeout=20)
    check(edit_button is not None, "while previewing, the button reads Edit Post")
    if edit_button is not None:
        press(edit_button)
    check(wait_for(lambda: find(app, role="push button", name="Preview Post"), timeout=10) is not None,
          "Edit Post returns to the editor")

# Copy Post tidies runs of line breaks and fills the clipboard.
editor = wait_for(lambda: find(app, name="Post Editor"))
type_into(window_id, editor)
xdotool("key", "ctrl+End")
xdotool("key", "Return", "Return", "Return", "Return", "Return")
xdotool("type", "--delay", "30", "End")
copy_button = find(app, role="push button", name="Copy Post")
check(copy_button is not None, "the Copy Post button is reachable")
if copy_button is not None:
    press(copy_button)
    check(wait_for(lambda: clipboard() == "Hello [B]bol[/B]\n\nEnd", timeout=10),
          "Copy Post puts the tidied post on the clipboard (got %r)" % clipboard())
    check(wait_for(lambda: text_of(editor) == "Hello [B]bol[/B]\n\nEnd", timeout=10),
          "the editor shows the tidied post")

# Closing with an unsaved change asks "Save Draft?"; No closes without saving.
type_into(window_id, editor)
xdotool("type", "--delay", "30", "!")
exit_item = find(app, role="menu item", name="Exit", showing=False)
check(exit_item is not None, "the Exit menu item is reachable")
if exit_item is not None:
    press_opening_a_box(exit_item)
question = wait_for(lambda: find(app, name="Save Draft?"), timeout=20)
check(question is not None, "closing an unsaved post asks 'Save Draft?'")
answer(question, "No")
check(ends(first), "the program ends after No")
check(read(draft) == b"Hello [B]bol[/B]\r\n", "No leaves the draft as it was")
prefs = read(os.path.join(data, "prefs.txt")) or b""
check(b"[Visual]\r\nMainWidth=" in prefs and b"\r\nMainHeight=" in prefs,
      "closing writes the window size to prefs.txt")
check(prefs.startswith(b"[Branding]\r\nName=E2E Desk\r\n"), "closing keeps the other lines of prefs.txt")

print("%d passed, %d failed" % (passed, len(failures)))
sys.exit(1 if failures else 0)
