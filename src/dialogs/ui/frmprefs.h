#pragma once

#include "foundation/preferences.h"

#include <QColor>
#include <QDialog>
#include <QList>

class ColorSample;
class FlagCheckBox;

// The preferences dialog: the copy and preview options and the skin colours.
// It edits a copy of the preferences taken when it opens; only OK stores them,
// writes them to the preferences file and recolours the main window.
class frmPrefs : public QDialog
{
    Q_OBJECT
public:
    // `mainWindow` is the dialog's owner and the window OK recolours.
    explicit frmPrefs(QWidget *mainWindow = nullptr);

private:
    void buildControls();
    void Form_Load();
    void showSamples();
    // Asks for a colour, starting at `initial`; a cancelled picker gives `initial` back
    // unchanged, a confirmed one an RGB value.
    qint32 PickColor(qint32 initial);
    void pickColorOf(qint32 SkinColors::*color);
    void cmdColDefault_Click();
    void cmdColTest_Click();
    void cmdOK_Click();

    QWidget *m_mainWindow;
    Preferences m_values;
    QList<QColor> m_customColors;

    FlagCheckBox *chkCopyMinimize = nullptr;
    FlagCheckBox *chkCopyRemove = nullptr;
    FlagCheckBox *chkCopyGotoURL = nullptr;
    FlagCheckBox *chkPreviewBrowser = nullptr;
    // The colour samples, one for each line of the skin colours.
    QList<ColorSample *> m_samples;
};
