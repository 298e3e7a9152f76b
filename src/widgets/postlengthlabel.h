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

    // The longest post the forum takes (0: none, the label shows the length
    // alone). Past it the label turns the warning colour and says by how much
    // in its tooltip and its accessible description.
    void setLimit(qsizetype limit);
    qsizetype limit() const { return m_limit; }

protected:
    void applyColors() override;

private:
    void refresh();

    QPlainTextEdit *m_editor;
    qsizetype m_limit = 0;
    bool m_over = false;
};
