#pragma once

#include "fakes.h"
#include "testdatafolder.h"
#include "windowcontrols.h"

#include <QString>

#include <memory>

class frmMain;
class PostEdit;

// The main window's post editor, found by its name.
PostEdit *txtPost(const frmMain *window);
// The post's text, CR LF breaks.
QString postText(const frmMain *window);

// A main window over a throw-away data folder, with scripted prompts, a recording
// shell and a free instance lock. Write data files before open(); the window is
// destroyed before the fakes.
class MainWindowFixture
{
public:
    explicit MainWindowFixture(bool seeded = true);
    ~MainWindowFixture();

    // Builds the window (running its start-up) without showing it.
    frmMain *create();
    // Builds, shows and activates the window; fails the running test when the
    // window never becomes active.
    frmMain *open();

    TestDataFolder folder;
    ScriptedPrompts prompts;
    RecordingShell shell;
    FakeInstanceLock lock{true};
    std::unique_ptr<frmMain> window;
};
