"""Paste as BBCode in the real program: HTML put on the clipboard as a browser
puts it (text/html) comes into the post as BBCode through the Edit menu, and
plain text through Ctrl+Shift+V comes in as Paste takes it."""

import sys

from wuxo_e2e import (answer, check, ends, find, finish, make_program, open_main_window, press,
                      press_opening_a_box, set_clipboard, text_of, type_into, wait_for, xdotool)

data_source, work = sys.argv[1:3]
wuxo, data = make_program(work, data_source, b"[Branding]\r\nName=Paste Desk\r\n")

program, app, window_id, editor = open_main_window(wuxo, work, "Paste Desk")

type_into(window_id, editor)
xdotool("type", "--delay", "30", "From the news: ")

page = ("<meta charset='utf-8'><p>The <b>council</b> voted on "
        "<a href=\"https://news.example/votes/17\">the plan</a> &amp; <i>caf&eacute;s</i>.</p>"
        "<ul><li>one</li><li>two</li></ul>"
        "<blockquote>A reader wrote this.</blockquote>")
set_clipboard(page, "text/html")
item = find(app, role="menu item", name="Paste as BBCode", showing=False)
check(item is not None, "the Edit menu has 'Paste as BBCode'")
if item is not None:
    press(item)
expected = ("From the news: The [B]council[/B] voted on "
            "[URL=https://news.example/votes/17]the plan[/URL] & [I]caf\u00e9s[/I].\n\n"
            "[LIST]\n[*]one\n[*]two\n[/LIST]\n\n[QUOTE]A reader wrote this.[/QUOTE]")
check(wait_for(lambda: text_of(editor) == expected, timeout=10),
      "the page comes in as BBCode after the typed text (got %r)" % text_of(editor))

set_clipboard(" and plain [b] text")
type_into(window_id, editor)
xdotool("key", "ctrl+End")
xdotool("key", "ctrl+shift+v")
check(wait_for(lambda: text_of(editor) == expected + " and plain [b] text", timeout=10),
      "Ctrl+Shift+V pastes plain text as it is (got %r)" % text_of(editor)[-40:])

xdotool("key", "ctrl+z")
check(wait_for(lambda: text_of(editor) == expected, timeout=10),
      "one Undo takes the whole paste back (got %r)" % text_of(editor)[-40:])

exit_item = find(app, role="menu item", name="Exit", showing=False)
if exit_item is not None:
    press_opening_a_box(exit_item)
question = wait_for(lambda: find(app, name="Save Draft?"), timeout=20)
check(question is not None, "the pasted post counts as unsaved: closing asks 'Save Draft?'")
answer(question, "No")
check(ends(program), "the program ends after No")

finish()
