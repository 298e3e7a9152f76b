#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QPlainTextEdit;
struct TagEdit;

// The formatting buttons and lists of the post editor: each command writes its
// tags into the editor's selection as one change, reselects, and hands the
// keyboard back to the editor when it can take it (not while a preview hides it).
class TagCommands : public QObject
{
    Q_OBJECT
public:
    TagCommands(QPlainTextEdit *editor, QObject *parent);

    // Fills the three lists with their items (heading shown, and the list named
    // by it) and runs the list commands on every choice, also of the item
    // already shown.
    void attachLists(QComboBox *cmbFont, QComboBox *cmbSize, QComboBox *cmbColor);

public slots:
    void cmdBold_Click();
    void cmdItalic_Click();
    void cmdUnderlined_Click();
    void cmdImage_Click();
    void cmdEmail_Click();
    void cmdQuote_Click();
    void cmdCode_Click();
    void cmdURL_Click();
    void cmdList_Click();
    void cmbFont_Click(int index);
    void cmbSize_Click(const QString &text);
    void cmbColor_Click(int index);

private:
    void InsertTag(const QString &name, const QString &value);
    void apply(const TagEdit &edit);

    QPlainTextEdit *m_editor;
};
