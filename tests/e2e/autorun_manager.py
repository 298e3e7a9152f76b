"""Automatic mode beside a clipboard manager that never lets the clipboard stay
empty, as many desktops run one: a text from before the run is not taken, one
copy fills one field, and the same text copied twice fills two. Also: what a
screen reader hears of the Auto button during a run, and the line ends Cut and
Copy put on the clipboard."""

import os
import subprocess
import sys
import threading
import time

from wuxo_e2e import (answer, application, check, clipboard, find, finish, make_program, press,
                      press_opening_a_box, set_clipboard, start, text_of, type_into, wait_for,
                      xdotool)

data_source, work = sys.argv[1:3]


class ClipboardManager(threading.Thread):
    """Looks at the clipboard every 100 ms and, when it finds it empty, puts its
    last text back, as clipboard managers do."""

    def __init__(self):
        super().__init__(daemon=True)
        self.last = None
        self.putbacks = 0
        self.running = True

    def run(self):
        while self.running:
            try:
                result = subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                        capture_output=True, text=True, timeout=5)
                if result.returncode == 0 and result.stdout:
                    self.last = result.stdout
                elif self.last is not None:
                    set_clipboard(self.last)
                    self.putbacks += 1
            except subprocess.TimeoutExpired:
                pass
            time.sleep(0.1)


wuxo, data = make_program(work, data_source, b"[Preferences]\r\nCopyMinimize=0\r\n")
with open(os.path.join(data, "tags.txt"), "wb") as f:
    f.write(b"[a]|A|False|False|1|0|0\r\n[b]|B|False|False|1|0|0\r\n")
with open(os.path.join(data, "template.txt"), "wb") as f:
    f.write(b"A=[a] B=[b]")

program = start([wuxo], cwd=work)
app = wait_for(lambda: application(program.pid), timeout=40)
check(app is not None, "the program shows up on the accessibility bus")
if app is None:
    finish()
frame = wait_for(lambda: find(app, role="frame", name="Quorvel Wuxo"), timeout=20)
window_id = wait_for(lambda: xdotool("search", "--sync", "--limit", "1", "--name", "Quorvel Wuxo"))
editor = wait_for(lambda: find(app, name="Post Editor"))
check(frame is not None and editor is not None and bool(window_id), "the main window is up")


def caption():
    return xdotool("getwindowname", window_id)


def stays(probe, seconds):
    """True when probe holds for the whole time."""
    end = time.time() + seconds
    while time.time() < end:
        if not probe():
            return False
        time.sleep(0.1)
    return True


manager = ClipboardManager()
set_clipboard("copied before the run")
manager.start()
time.sleep(0.5)

# First run: a text from before is not taken; one copy fills one field; a second fills the next.
auto = find(app, role="push button", name="Auto")
check(auto is not None, "the Auto button is reachable by its caption")
press(auto)
cancel = wait_for(lambda: find(app, role="push button", name="Cancel"), timeout=10)
check(cancel is not None, "during a run a screen reader hears the button as Cancel")
check(wait_for(lambda: caption() == "A (1/2) [Awaiting copy]", timeout=10),
      "the run waits for the first field (caption %r)" % caption())
check(stays(lambda: caption() == "A (1/2) [Awaiting copy]", 2.0),
      "the text from before the run is not taken, though the manager puts it back")
check(manager.putbacks >= 1, "the manager put a text back after the program emptied the clipboard")

set_clipboard("first")
check(wait_for(lambda: caption() == "B (2/2) [Awaiting copy]", timeout=10),
      "one copy fills the first field (caption %r)" % caption())
check(stays(lambda: caption() == "B (2/2) [Awaiting copy]", 2.0),
      "the copy put back by the manager does not fill the second field")
set_clipboard("second")
check(wait_for(lambda: text_of(editor) == "A=first B=second", timeout=10),
      "a second copy fills the second field and the post is made (got %r)" % text_of(editor))
check(wait_for(lambda: find(app, role="push button", name="Auto"), timeout=10) is not None,
      "after the run the button is announced as Auto again")

# Second run: the same text copied twice, two seconds apart, fills both fields.
auto = find(app, role="push button", name="Auto")
press_opening_a_box(auto)
question = wait_for(lambda: find(app, name="New Post"), timeout=10)
check(question is not None, "a run over a written post asks to clear it")
answer(question, "Yes")
check(wait_for(lambda: caption() == "A (1/2) [Awaiting copy]", timeout=10),
      "the second run waits for the first field")
time.sleep(1.0)
set_clipboard("same")
check(wait_for(lambda: caption() == "B (2/2) [Awaiting copy]", timeout=10),
      "the first copy of the text fills the first field")
time.sleep(2.0)
set_clipboard("same")
check(wait_for(lambda: text_of(editor) == "A=same B=same", timeout=10),
      "the same text copied again fills the second field (got %r)" % text_of(editor))
manager.running = False
manager.join(timeout=5)

# Edit -> Copy and Cut put LF line ends on the clipboard, as other programs here expect.
type_into(window_id, editor)
xdotool("key", "ctrl+d")
xdotool("type", "--delay", "30", "one")
xdotool("key", "Return")
xdotool("type", "--delay", "30", "two")
wait_for(lambda: text_of(editor) == "one\ntwo", timeout=10)
xdotool("key", "ctrl+a")
xdotool("key", "ctrl+c")
check(wait_for(lambda: clipboard() == "one\ntwo", timeout=10),
      "Copy of a two-line post gives LF (got %r)" % clipboard())
set_clipboard("something else")
xdotool("key", "ctrl+a")
xdotool("key", "ctrl+x")
check(wait_for(lambda: clipboard() == "one\ntwo", timeout=10),
      "Cut of a two-line post gives LF (got %r)" % clipboard())
check(wait_for(lambda: text_of(editor) == "", timeout=10), "Cut empties the editor")

finish()
