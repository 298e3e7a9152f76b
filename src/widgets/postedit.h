#pragma once

#include "widgets/skinwidgets.h"

#include <QPoint>

// The post editor. It keeps no undo stack of its own, lets the main window's
// shortcuts win over its built-in ones, hands Ctrl keys and context-menu requests
// to the window, and never lets a Ctrl combination type a control character.
class PostEdit : public SkinTextBox
{
    Q_OBJECT
public:
    explicit PostEdit(QWidget *parent = nullptr);

    // True from a key press made with Ctrl alone until the next key release;
    // meanwhile typed characters are swallowed.
    bool blnCtrlDown() const { return m_ctrlDown; }

    // Lines longer than this wrap at any character instead of at word boundaries.
    static constexpr int longLine = 20000;

signals:
    // A key pressed with exactly Ctrl (no Shift, no Alt); Qt::Key_B etc.
    void ctrlKeyDown(int key);
    // Right click, the Menu key or Shift+F10; `globalPos` is the mouse pointer.
    // `position` (the editor's own) is the character clicked, or the caret for a key.
    void contextMenuRequested(const QPoint &globalPos, int position);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void adaptWrapping(int position, int added);

    bool m_ctrlDown = false;
    bool m_wrapsAnywhere = false;
};
