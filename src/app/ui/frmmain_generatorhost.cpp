// What the post generator asks of the main window.
#include "frmmain.h"

#include "widgets/skinwidgets.h"

#include <QAction>

QString frmMain::postText() const
{
    return post().text();
}

void frmMain::clearPost()
{
    post().setText(QString());
    setBlnPostChanged(false);
}

void frmMain::moveCaretToEnd()
{
    EditorText editor = post();
    editor.setSelStart(editor.length());
}

void frmMain::replaceSelection(const QString &text)
{
    post().replaceSelection(text);
}

void frmMain::setCaption(const QString &text)
{
    setWindowTitle(text);
}

void frmMain::setAutoCaptions(bool running)
{
    mnuFileNewsAuto->setText(running ? tr("Cancel Auto Mode") : tr("Post Generator (Auto)"));
    cmdNewsAuto->setText(running ? tr("Cancel") : tr("Auto"));
}

void frmMain::restoreWindowState()
{
    if (isMinimized() || isMaximized())
        showNormal();
}

QWidget *frmMain::hostWindow() const
{
    return const_cast<frmMain *>(this);
}
