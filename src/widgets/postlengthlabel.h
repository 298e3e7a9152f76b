#pragma once

#include "skinwidgets.h"

class QPlainTextEdit;

// Shows the length of the post in an editor as a forum counts it, right-aligned,
// and follows every change of the post. Its text is what a screen reader reads.
class PostLengthLabel : public SkinLabel
{
    Q_OBJECT

public:
    PostLengthLabel(QPlainTextEdit *editor, QWidget *parent);

private:
    void refresh();

    QPlainTextEdit *m_editor;
};
