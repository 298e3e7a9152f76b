"""The live preview beside the editor in the real Wuxo: Ctrl+L shows it, the
page follows what is typed, moving the caret to the end of a long post scrolls
the page there, and a post that cannot be converted leaves a notice a screen
reader reads. The page is looked at on the screen: coloured words of the post
show (or not) in the preview's part of the window."""

import os
import subprocess
import sys
import time

from wuxo_e2e import (answer, check, ends, find, finish, make_program, open_main_window,
                      press_opening_a_box, set_clipboard, type_into, wait_for, walk, xdotool)

data_source, work = sys.argv[1:3]
wuxo, data = make_program(work, data_source,
                          b"[Branding]\r\nName=E2E Live\r\n[Visual]\r\nMainWidth=13500\r\n"
                          b"MainHeight=9000\r\n[Preferences]\r\nCopyMinimize=0\r\n")
shots = os.environ.get("WUXO_E2E_SHOTS", work)


def preview_pane(app):
    for node in walk(app):
        try:
            if node.name == "Live Preview" and node.getRoleName() != "label":
                box = node.queryComponent().getExtents(0)
                if box.width > 50 and box.height > 50:
                    return node
        except Exception:
            continue
    return None


def coloured_pixels(box, colour, name):
    """How many pixels of the preview's rectangle on the screen are near `colour`."""
    shot = os.path.join(shots, name + ".png")
    subprocess.run(["import", "-window", "root", shot], timeout=30, check=False)
    crop = "%dx%d+%d+%d" % (box.width, box.height, box.x, box.y)
    result = subprocess.run(
        ["convert", shot, "-crop", crop, "+repage", "-fuzz", "25%", "-fill", "black",
         "+opaque", colour, "-fill", "white", "-opaque", colour, "-format",
         "%[fx:round(mean*w*h)]", "info:"],
        capture_output=True, text=True, timeout=30)
    try:
        return int(result.stdout.strip() or "0")
    except ValueError:
        return 0


def shows(box, colour, name, present=True, timeout=20):
    found = wait_for(lambda: (coloured_pixels(box, colour, name) > 40) == present or None,
                     timeout=timeout, interval=0.5)
    return found is not None


program, app, window_id, editor = open_main_window(wuxo, work, "E2E Live")
type_into(window_id, editor)
xdotool("key", "ctrl+l")
pane = wait_for(lambda: preview_pane(app), timeout=40)
check(pane is not None, "Ctrl+L shows a pane named 'Live Preview' beside the editor")
if pane is None:
    finish()
box = pane.queryComponent().getExtents(0)
editor_box = editor.queryComponent().getExtents(0)
check(editor_box.x + editor_box.width <= box.x, "the editor is on the left, the preview on the right")

type_into(window_id, editor)
xdotool("type", "--delay", "20", "[b][color=blue]BLUE WORDS AT THE TOP[/color][/b]")
check(shows(box, "#0000ff", "live-typed"), "the page shows the words as they are typed")

# A long post pasted after them, ending in red words: the caret ends after them.
lines = "\n".join("line %d of a long post" % n for n in range(1, 400))
set_clipboard("\n" + lines + "\n[b][color=red]RED WORDS AT THE END[/color][/b]")
time.sleep(0.5)
xdotool("key", "ctrl+v")
check(shows(box, "#ff0000", "live-end"), "with the caret at the end, the page shows the end")
check(shows(box, "#0000ff", "live-end-top", present=False),
      "and the top of the post is scrolled away")
xdotool("key", "ctrl+Home")
check(shows(box, "#0000ff", "live-start"), "the caret back at the start: the page shows the top")

xdotool("type", "--delay", "20", "[size=big]x[/size]")
def label_starting(root, start):
    for node in walk(root):
        try:
            if node.getRoleName() == "label" and node.name.startswith(start):
                return node
        except Exception:
            continue
    return None


notice = wait_for(lambda: label_starting(app, "Line 1: The preview fails"), timeout=20)
check(notice is not None, "a post that cannot be converted: the notice names the line, read aloud")
check(find(app, role="dialog") is None and find(app, role="alert") is None,
      "and no message box opens while typing")
check(shows(box, "#0000ff", "live-failed"), "the last page stays under the notice")

exit_item = find(app, role="menu item", name="Exit", showing=False)
if exit_item is not None:
    press_opening_a_box(exit_item)
answer(wait_for(lambda: find(app, name="Save Draft?"), timeout=20), "No")
check(ends(program), "the program ends")
prefs = open(os.path.join(data, "prefs.txt"), "rb").read()
check(b"[View]\r\nLivePreview=1\r\n" in prefs, "prefs.txt keeps the live preview shown")
finish()
