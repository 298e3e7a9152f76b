"""Spelling in the real Wuxo: a misspelled word gets underlined as it is typed,
a right click on it offers suggestions as named menu items, choosing one
replaces the word, and Undo brings the misspelling back.

With WUXO_SHOTS set to a folder, the underlined word and the open menu are
also saved there as screenshots."""

import os
import subprocess
import sys

import pyatspi

from wuxo_e2e import (answer, check, ends, find, finish, make_program, open_main_window,
                      press_opening_a_box, text_of, type_into, wait_for, walk, xdotool)

data_source, work = sys.argv[1:3]
shots = os.environ.get("WUXO_SHOTS")


def screenshot(name):
    if shots:
        subprocess.run(["import", "-window", "root", os.path.join(shots, name)], timeout=30)


# The dictionary the checks expect, whatever the machine's language.
wuxo, data = make_program(work, data_source,
                          b"[Preferences]\r\nCopyMinimize=0\r\n[Spelling]\r\nLanguage=en_US\r\nEnabled=1\r\n")
program, app, window_id, editor = open_main_window(wuxo, work, "Wuxo")

post = "I wrote teh post"
type_into(window_id, editor)
xdotool("type", "--delay", "30", post)
check(wait_for(lambda: text_of(editor) == post, timeout=10), "the post is typed (got %r)" % text_of(editor))


def suggests_the():
    """Right-clicks in the middle of "teh", where the screen shows it; answers the
    menu's suggestion "the", or closes the menu while the dictionary is still
    being read (it is read after the first frame)."""
    offset = post.index("teh") + 1
    x, y, width, height = editor.queryText().getCharacterExtents(offset, pyatspi.XY_SCREEN)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2))
    xdotool("click", "3")
    item = wait_for(lambda: find(app, role="menu item", name="the"), timeout=2)
    if item is None:
        xdotool("key", "Escape")
    return item


suggestion = wait_for(suggests_the, timeout=30, interval=0.5)
check(suggestion is not None, "the context menu offers 'the' for 'teh'")
items = [n.name for n in walk(app) if n.getRoleName() == "menu item"
         and n.getState().contains(pyatspi.STATE_SHOWING)]
check("Add to Dictionary" in items and "Ignore" in items and "Undo" in items,
      "the menu holds Add to Dictionary, Ignore and the Edit menu (got %r)" % items)
check(items and items.index("the") < items.index("Add to Dictionary") < items.index("Undo"),
      "the suggestions come first, then the spelling entries, then the Edit menu")
screenshot("spelling-menu.png")
if suggestion is not None:
    # Clicked as a user would, so that the menu closes as it does for a user.
    box = suggestion.queryComponent().getExtents(pyatspi.XY_SCREEN)
    xdotool("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2))
    xdotool("click", "1")
check(wait_for(lambda: text_of(editor) == "I wrote the post", timeout=10),
      "choosing the suggestion replaces the word (got %r)" % text_of(editor))

type_into(window_id, editor)
xdotool("key", "ctrl+z")
check(wait_for(lambda: text_of(editor) == post, timeout=10),
      "Undo brings the misspelling back (got %r)" % text_of(editor))
screenshot("spelling-underline.png")

exit_item = find(app, role="menu item", name="Exit", showing=False)
if exit_item is not None:
    press_opening_a_box(exit_item)
answer(wait_for(lambda: find(app, name="Save Draft?"), timeout=20), "No")
check(ends(program), "the program ends")
finish()
