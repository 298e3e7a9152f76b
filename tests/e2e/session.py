"""One session of the real Wuxo, driven from outside as a user (or a screen
reader) would. Every result is checked from outside: window titles, files in
the data folder, the clipboard."""

import os
import sys

from wuxo_e2e import (answer, application, check, clipboard, ends, find, finish, make_program,
                      press, press_opening_a_box, read, start, text_of, type_into, wait_for, walk,
                      xdotool)

data_source, work = sys.argv[1:3]

# A fresh program folder: the program, and a data folder with the shipped files
# and a prefs.txt that names the desk and keeps the window up after copying.
wuxo, data = make_program(work, data_source,
                          b"[Branding]\r\nName=E2E Desk\r\n[Preferences]\r\nCopyMinimize=0\r\nPreviewIntegrated=1\r\n")
caption = "E2E Desk  [Quorvel Wuxo]"

first = start([wuxo], cwd=work)
app = wait_for(lambda: application(first.pid), timeout=40)
check(app is not None, "the program shows up on the accessibility bus")
if app is None:
    finish()

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
second = start([wuxo], cwd=work)
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
    check(find(app, role="label", name="Post Preview") is not None,
          "while previewing, a screen reader hears the header as Post Preview")
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

finish()
