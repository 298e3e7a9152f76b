#include "mainwindowfixture.h"

#include "app/ui/frmmain.h"
#include "widgets/postedit.h"

#include <QApplication>
#include <QTest>

MainWindowFixture::MainWindowFixture(bool seeded) : folder(seeded) { }

MainWindowFixture::~MainWindowFixture()
{
    window.reset();
}

frmMain *MainWindowFixture::create()
{
    window = std::make_unique<frmMain>();
    return window.get();
}

frmMain *MainWindowFixture::open()
{
    create();
    window->show();
    window->activateWindow();
    // Keys and clicks go nowhere in a window that never became active: the test
    // would fail far from the cause, or pass without checking anything.
    if (!QTest::qWaitForWindowActive(window.get()))
        QTest::qFail("the main window did not become active", __FILE__, __LINE__);
    return window.get();
}

PostEdit *txtPost(const frmMain *window)
{
    return control<PostEdit>(window, "txtPost");
}

QString postText(const frmMain *window)
{
    return window->post().text();
}
