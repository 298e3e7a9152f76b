"""Find and Replace in the real program, driven by the names a screen reader
hears: the find bar opens with Ctrl+H, a regular expression renames a colour in
every tag with one Replace All, one Undo brings the post back, and Esc closes
the bar with the match selected in the editor."""

import sys

from wuxo_e2e import (answer, check, ends, find, finish, make_program, open_main_window, press,
                      press_opening_a_box, text_of, type_into, wait_for, xdotool)

data_source, work = sys.argv[1:3]
wuxo, data = make_program(work, data_source, b"[Branding]\r\nName=Find Desk\r\n")

program, app, window_id, editor = open_main_window(wuxo, work, "Find Desk")

post = "[COLOR=red]one[/COLOR] [Url]x[/Url]\n[color=red]two[/color] red"
type_into(window_id, editor)
xdotool("type", "--delay", "20", post.split("\n")[0])
xdotool("key", "Return")
xdotool("type", "--delay", "20", post.split("\n")[1])
check(wait_for(lambda: text_of(editor) == post, timeout=10), "the post is typed")

xdotool("key", "ctrl+h")
field = wait_for(lambda: find(app, role="text", name="Find"))
replace_field = wait_for(lambda: find(app, role="text", name="Replace with"))
check(field is not None and replace_field is not None,
      "Ctrl+H opens the bar with 'Find' and 'Replace with'")
for name in ("Match case", "Whole words", "Regular expression", "In selection"):
    check(find(app, role="check box", name=name) is not None, "the bar offers '%s'" % name)
for name in ("Find Next", "Find Previous", "Replace", "Replace All"):
    check(find(app, role="push button", name=name) is not None, "the bar has '%s'" % name)
if field is None or replace_field is None:
    finish()

press(find(app, role="check box", name="Regular expression"))
type_into(window_id, field)
xdotool("key", "ctrl+a")
xdotool("type", "--delay", "20", r"(\[color=)red\]")
check(wait_for(lambda: find(app, role="label", name="1 of 2")) is not None,
      "typing the pattern finds the first of two tags: '1 of 2'")
type_into(window_id, replace_field)
xdotool("type", "--delay", "20", r"\1crimson]")
press(find(app, role="push button", name="Replace All"))
renamed = "[COLOR=crimson]one[/COLOR] [Url]x[/Url]\n[color=crimson]two[/color] red"
check(wait_for(lambda: text_of(editor) == renamed, timeout=10),
      "Replace All renames the colour in both tags (got %r)" % text_of(editor))
check(wait_for(lambda: find(app, role="label", name="2 replacements")) is not None,
      "the status says '2 replacements'")

type_into(window_id, editor)
xdotool("key", "ctrl+z")
check(wait_for(lambda: text_of(editor) == post, timeout=10),
      "one Undo brings the whole post back (got %r)" % text_of(editor))

# A plain search, in any case, then Esc.
press(find(app, role="check box", name="Regular expression"))
type_into(window_id, field)
xdotool("key", "ctrl+a")
xdotool("type", "--delay", "20", "[url]")
check(wait_for(lambda: find(app, role="label", name="1 of 1")) is not None,
      "'[url]' finds '[Url]' without Match case")
press(find(app, role="check box", name="Match case"))
check(wait_for(lambda: find(app, role="label", name="No matches")) is not None,
      "with Match case it finds nothing")
press(find(app, role="check box", name="Match case"))
check(wait_for(lambda: find(app, role="label", name="1 of 1")) is not None,
      "without Match case again it finds it")
type_into(window_id, field)
xdotool("key", "Escape")
check(wait_for(lambda: find(app, role="text", name="Find") is None, timeout=10),
      "Esc closes the bar")
selection = editor.queryText().getSelection(0)
check(tuple(selection) == (23, 28), "the match stays selected in the editor (%r)" % (selection,))

exit_item = find(app, role="menu item", name="Exit", showing=False)
if exit_item is not None:
    press_opening_a_box(exit_item)
answer(wait_for(lambda: find(app, name="Save Draft?"), timeout=20), "No")
check(ends(program), "the program ends")
finish()
