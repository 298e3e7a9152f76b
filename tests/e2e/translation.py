"""The real Wuxo speaks the user's language: German menus, buttons and answers
(Qt's own buttons too) under LANG=de_DE.UTF-8, and its English texts, as
always, under LANG=C."""

import os
import sys

from wuxo_e2e import (answer, check, ends, find, finish, make_program, open_main_window,
                      press_opening_a_box, type_into, wait_for, xdotool)

data_source, work = sys.argv[1:3]
prefs = b"[Branding]\r\nName=E2E Language\r\n[Preferences]\r\nCopyMinimize=0\r\n"


def environment(lang):
    env = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env["LANG"] = lang
    return env


def session(name, lang, texts):
    wuxo, _ = make_program(work, data_source, prefs, name=name)
    program, app, window_id, editor = open_main_window(
        wuxo, os.path.join(work, name), "E2E Language", env=environment(lang),
        editor_name=texts["editor"])
    for role, text in ((None, texts["edit menu"]), (None, texts["help menu"]),
                       ("push button", texts["copy"]), ("push button", texts["preview"]),
                       ("label", texts["length"]), ("combo box", texts["size list"])):
        check(wait_for(lambda: find(app, role=role, name=text, showing=False)) is not None,
              "%s: the %s '%s'" % (lang, role or "menu", text))

    # An empty post cannot be copied: the program says so.
    press_opening_a_box(find(app, role="push button", name=texts["copy"]))
    box = wait_for(lambda: find(app, name=texts["too short title"]))
    check(box is not None and find(box, name=texts["too short"]) is not None,
          "%s: the answer '%s'" % (lang, texts["too short"]))
    answer(box, "OK")

    type_into(window_id, editor)
    xdotool("type", "--delay", "30", "Hallo")
    exit_item = find(app, role="menu item", name=texts["exit"], showing=False)
    check(exit_item is not None, "%s: the menu item '%s'" % (lang, texts["exit"]))
    if exit_item is not None:
        press_opening_a_box(exit_item)
    box = wait_for(lambda: find(app, name=texts["save draft"]), timeout=20)
    check(box is not None and find(box, role="push button", name=texts["no"]) is not None,
          "%s: '%s' with Qt's button '%s'" % (lang, texts["save draft"], texts["no"]))
    answer(box, texts["no"])
    check(ends(program), "%s: the program ends" % lang)


session("german", "de_DE.UTF-8", {
    "editor": "Beitragseditor", "edit menu": "Bearbeiten", "help menu": "Hilfe",
    "copy": "Beitrag kopieren", "preview": "Vorschau", "length": "0 Zeichen",
    "size list": "Größe", "too short title": "Fehler",
    "too short": "Bitte geben Sie einen Beitrag ein!", "exit": "Beenden",
    "save draft": "Entwurf speichern?", "no": "Nein"})
session("english", "C", {
    "editor": "Post Editor", "edit menu": "Edit", "help menu": "Help",
    "copy": "Copy Post", "preview": "Preview Post", "length": "0 characters",
    "size list": "Size", "too short title": "Error",
    "too short": "You must enter a message to post!", "exit": "Exit",
    "save draft": "Save Draft?", "no": "No"})
finish()
