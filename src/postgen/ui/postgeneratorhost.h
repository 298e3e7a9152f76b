#pragma once

#include <QString>

class QWidget;

// What the post generator needs from the main window: the post, the window's
// caption and the captions of its automatic-mode entries. Positions and texts
// are in the post's terms (CR LF line breaks).
class PostGeneratorHost
{
public:
    virtual ~PostGeneratorHost() = default;

    virtual QString postText() const = 0;
    // Empties the post as one recorded change and clears the unsaved-changes flag.
    virtual void clearPost() = 0;
    // Caret after the last character, nothing selected.
    virtual void moveCaretToEnd() = 0;
    // Replaces the selection, or inserts at the caret, as one recorded edit.
    virtual void replaceSelection(const QString &text) = 0;

    virtual void setCaption(const QString &text) = 0;
    // The caption the window shows when no run is active.
    virtual QString appCaption() const = 0;
    // Running: the menu entry reads "Cancel Auto Mode" and the button "Cancel";
    // otherwise "Post Generator (Auto)" and "Auto".
    virtual void setAutoCaptions(bool running) = 0;
    // A minimized or maximized window goes back to its normal state.
    virtual void restoreWindowState() = 0;

    // The window the generator's dialogs belong to.
    virtual QWidget *hostWindow() const = 0;
};
