"""Crash recovery of the real Wuxo: a post typed and then lost to SIGKILL is
offered back at the next start; once the post is copied, saved or discarded
on closing, a restart asks nothing."""

import os
import signal
import sys
import time

from wuxo_e2e import (answer, application, check, ends, find, finish, make_program, press,
                      press_opening_a_box, read, start, text_of, type_into, wait_for, walk,
                      xdotool)

data_source, work = sys.argv[1:3]
wuxo, data = make_program(work, data_source,
                          b"[Branding]\r\nName=Recovery Desk\r\n[Preferences]\r\nCopyMinimize=0\r\n")
recovery = os.path.join(data, "recovery.txt")
post = "Never lose this post"


def launch(what):
    """Starts the program; returns (process, application, window id, editor)."""
    process = start([wuxo], cwd=work)
    app = wait_for(lambda: application(process.pid), timeout=40)
    check(app is not None, what + ": the program shows up on the accessibility bus")
    if app is None:
        finish()
    window_id = wait_for(lambda: xdotool("search", "--sync", "--limit", "1", "--name", "Recovery Desk"))
    editor = wait_for(lambda: find(app, name="Post Editor"))
    check(bool(window_id) and editor is not None, what + ": the main window and its editor are there")
    if editor is None:
        finish()
    return process, app, window_id, editor


def kill(process):
    process.send_signal(signal.SIGKILL)
    process.wait(timeout=20)


def type_and_wait(window_id, editor, text):
    """Types the text and waits until recovery.txt holds it, as it does a moment after the typing pauses."""
    type_into(window_id, editor)
    xdotool("type", "--delay", "30", text)
    wait_for(lambda: text_of(editor) == text, timeout=10)
    wait_for(lambda: read(recovery) == (text + "\r\n").encode(), timeout=20)


def type_again(app, text):
    """Types into the running program's empty editor and waits for recovery.txt."""
    window_id = xdotool("search", "--sync", "--limit", "1", "--name", "Recovery Desk")
    type_and_wait(window_id, find(app, name="Post Editor"), text)
    check(read(recovery) == (text + "\r\n").encode(),
          "typing %r again writes recovery.txt again (got %r)" % (text, read(recovery)))


def starts_without_asking(what):
    process, app, _, editor = launch(what)
    # The question would come as soon as the window is shown; give it time to.
    time.sleep(2)
    check(find(app, name="Recover Post?") is None, what + ": the next start asks nothing")
    check(text_of(editor) == "", what + ": and the editor is empty (got %r)" % text_of(editor))
    return process, app


# Typed, a pause, killed: the post is on disk and comes back.
first, app, window_id, editor = launch("first start")
type_and_wait(window_id, editor, post)
check(read(recovery) == (post + "\r\n").encode(),
      "after typing, recovery.txt holds the post and one CR LF (got %r)" % read(recovery))
kill(first)

second = start([wuxo], cwd=work)
app = wait_for(lambda: application(second.pid), timeout=40)
box = wait_for(lambda: find(app, name="Recover Post?"), timeout=30) if app else None
check(box is not None, "after SIGKILL the next start asks 'Recover Post?'")
if box is not None:
    texts = [n.name for n in walk(box) if n.getRoleName() == "label"]
    check(any("Wuxo closed without saving the post you were writing. Recover it?" in t for t in texts),
          "the question says what happened")
answer(box, "Yes")
editor = wait_for(lambda: find(app, name="Post Editor")) if app else None
check(editor is not None and wait_for(lambda: text_of(editor) == post, timeout=10),
      "Yes brings the post back into the editor (got %r)" % (text_of(editor) if editor else None))
check(read(recovery) is not None, "the file stays while the recovered post is unsaved")

# Copy Post leaves nothing to lose.
copy_button = find(app, role="push button", name="Copy Post") if app else None
check(copy_button is not None, "the Copy Post button is reachable")
if copy_button is not None:
    press(copy_button)
check(wait_for(lambda: read(recovery) is None, timeout=10), "Copy Post removes recovery.txt")
kill(second)
third, app = starts_without_asking("after Copy Post")

# Save Draft leaves nothing to lose.
type_again(app, "A draft to keep")
xdotool("key", "ctrl+s")
check(wait_for(lambda: read(os.path.join(data, "draft.txt")) == b"A draft to keep\r\n", timeout=10),
      "Save Draft writes the draft")
check(wait_for(lambda: read(recovery) is None, timeout=10), "Save Draft removes recovery.txt")
kill(third)
fourth, app = starts_without_asking("after Save Draft")

# Closing with No is the user's own choice to discard.
type_again(app, "Thrown away")
exit_item = find(app, role="menu item", name="Exit", showing=False)
if exit_item is not None:
    press_opening_a_box(exit_item)
question = wait_for(lambda: find(app, name="Save Draft?"), timeout=20)
check(question is not None, "closing asks 'Save Draft?'")
answer(question, "No")
check(ends(fourth), "the program ends after No")
check(read(recovery) is None, "closing with No removes recovery.txt")
fifth, app = starts_without_asking("after closing with No")
kill(fifth)

finish()
