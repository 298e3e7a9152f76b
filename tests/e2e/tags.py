"""The post editor's length label, read as a screen reader reads it, while a
post with tags is typed into the real Wuxo."""

import sys

from wuxo_e2e import (answer, check, ends, find, finish, make_program, open_main_window,
                      press_opening_a_box, text_of, type_into, wait_for, xdotool)

data_source, work = sys.argv[1:3]
wuxo, data = make_program(work, data_source,
                          b"[Branding]\r\nName=E2E Tags\r\n[Preferences]\r\nCopyMinimize=0\r\n")

program, app, window_id, editor = open_main_window(wuxo, work, "E2E Tags")
check(wait_for(lambda: find(app, role="label", name="0 characters")) is not None,
      "an empty post reads '0 characters'")

type_into(window_id, editor)
xdotool("type", "--delay", "30", "[b]x[/b] [Url]y")
check(wait_for(lambda: find(app, role="label", name="15 characters")) is not None,
      "the label follows the typing: '15 characters'")
xdotool("key", "Return")
xdotool("type", "--delay", "30", "z")
check(wait_for(lambda: find(app, role="label", name="17 characters")) is not None,
      "a line break counts once: '17 characters'")
check(text_of(editor) == "[b]x[/b] [Url]y\nz", "the highlighting leaves the text as typed")

exit_item = find(app, role="menu item", name="Exit", showing=False)
if exit_item is not None:
    press_opening_a_box(exit_item)
answer(wait_for(lambda: find(app, name="Save Draft?"), timeout=20), "No")
check(ends(program), "the program ends")
finish()
