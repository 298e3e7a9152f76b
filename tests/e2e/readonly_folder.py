"""A program folder whose data folder the user cannot write, as a shared or
locked install has it: the program runs as an unprivileged user (nobody, when
this runs as root; permission bits stop nothing for root). The folder's own
branding, Insert menu and preview page take effect, what the program writes
goes to the user's own folder, and the program folder is left as it was."""

import os
import shutil
import subprocess
import sys

from wuxo_e2e import (answer, application, check, ends, find, finish, make_program, press,
                      press_opening_a_box, read, start, type_into, wait_for, xdotool)

data_source, work = sys.argv[1:3]
PREFS = b"[Branding]\r\nName=Shared Desk\r\n[Preferences]\r\nCopyMinimize=0\r\nPreviewIntegrated=1\r\n"
MARKER = b"<!-- the shared folder's page -->"


def user_folder(home):
    return os.path.join(home, ".local", "share", "Quorvel", "Wuxo", "data")


def as_user(wuxo):
    """The part that runs as the unprivileged user, on a D-Bus session of its own."""
    home = os.environ["HOME"]
    check(os.geteuid() != 0, "the program runs as an unprivileged user (uid %d)" % os.geteuid())
    program = start([wuxo], cwd=home)
    app = wait_for(lambda: application(program.pid), timeout=60)
    check(app is not None, "the program shows up on the accessibility bus")
    if app is None:
        finish()
    caption = "Shared Desk  [Quorvel Wuxo]"
    frame = wait_for(lambda: find(app, role="frame", name=caption), timeout=20)
    check(frame is not None, "the caption comes from the shared folder's [Branding] Name")
    check(find(app, role="menu item", name="Team Greeting", showing=False) is not None,
          "the Insert menu is the shared folder's own")
    window_id = wait_for(lambda: xdotool("search", "--sync", "--limit", "1", "--name", "Shared Desk"))
    editor = wait_for(lambda: find(app, name="Post Editor"))
    mine = user_folder(home)

    type_into(window_id, editor)
    xdotool("type", "--delay", "30", "Hello")
    preview = find(app, role="push button", name="Preview Post")
    check(preview is not None, "the Preview Post button is reachable")
    if preview is not None:
        press(preview)
        page = wait_for(lambda: read(os.path.join(mine, "preview.html")), timeout=30)
        check(page is not None and MARKER in page and b"Hello" in page,
              "the preview page is made from the shared template, in the user's folder")
        back = wait_for(lambda: find(app, role="push button", name="Edit Post"), timeout=30)
        if back is not None:
            press(back)

    exit_item = find(app, role="menu item", name="Exit", showing=False)
    if exit_item is not None:
        press_opening_a_box(exit_item)
    answer(wait_for(lambda: find(app, name="Save Draft?"), timeout=20), "Yes")
    check(ends(program), "the program ends")
    prefs = read(os.path.join(mine, "prefs.txt")) or b""
    check(prefs.startswith(b"[Branding]\r\nName=Shared Desk\r\n"),
          "the user's prefs.txt starts as the shared one (got %r)" % prefs[:60])
    check(b"[Visual]\r\nMainWidth=" in prefs and b"\r\nMainHeight=" in prefs,
          "the window size is written to the user's prefs.txt")
    check(read(os.path.join(mine, "draft.txt")) == b"Hello\r\n",
          "the draft is saved in the user's folder")
    finish()


def snapshot(folder):
    files = {}
    for root, dirs, names in os.walk(folder):
        for name in dirs + names:
            path = os.path.join(root, name)
            files[os.path.relpath(path, folder)] = read(path) if os.path.isfile(path) else "folder"
    return files


if len(sys.argv) > 3 and sys.argv[3] == "--as-user":
    as_user(sys.argv[4])

# The shared program folder, owned by root (or made read-only for a developer's own run).
root = os.getuid() == 0
os.chmod(work, 0o755)
wuxo, data = make_program(work, data_source, PREFS)
with open(os.path.join(data, "insert.txt"), "wb") as f:
    f.write(b"Team Greeting|Hello from the team\r\n")
with open(os.path.join(data_source, "preview.txt"), "rb") as f:
    template = f.read()
with open(os.path.join(data, "preview.txt"), "wb") as f:
    f.write(MARKER + b"\r\n" + template)
program_folder = os.path.dirname(wuxo)
for folder in (program_folder, data):
    os.chmod(folder, 0o755 if root else 0o555)
before = snapshot(program_folder)

# The user's own home, runtime folder and a copy of the scenario they can read.
home = os.path.join(work, "user-home")
runtime = os.path.join(work, "user-runtime")
scripts = os.path.join(work, "scripts")
os.makedirs(home)
os.makedirs(runtime, mode=0o700)
os.makedirs(scripts)
here = os.path.dirname(os.path.abspath(__file__))
for name in ("wuxo_e2e.py", os.path.basename(__file__)):
    shutil.copy(os.path.join(here, name), scripts)
if root:
    for folder in (home, runtime):
        shutil.chown(folder, user="nobody")
command = ["env", "HOME=" + home, "XDG_RUNTIME_DIR=" + runtime, "PYTHONPATH=" + scripts,
           "dbus-run-session", "--", "/usr/bin/python3",
           os.path.join(scripts, os.path.basename(__file__)), data_source, work, "--as-user", wuxo]
if root:
    command = ["runuser", "-u", "nobody", "--"] + command
user_run = subprocess.run(command, timeout=180)
check(user_run.returncode == 0, "every check of the unprivileged user's run passed")
check(snapshot(program_folder) == before, "the program folder is left exactly as it was")
for folder in (program_folder, data):
    os.chmod(folder, 0o755)
finish()
