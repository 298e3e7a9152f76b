#pragma once

#include "find/findpattern.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The find bar at the foot of the post editor: what to find and what to
// replace it with, the options, the buttons and a status text. It only shows
// and asks; FindCommands does the searching. On a preview page only what the
// page can search for shows.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QWidget *parent = nullptr);

    QString findText() const;
    // Sets the text to find, selected, without counting as an edit of the field.
    void setFindText(const QString &text);
    QString replaceText() const;
    FindOptions options() const;
    bool inSelection() const;
    void setInSelection(bool on);

    void setReplaceShown(bool shown);
    bool isReplaceShown() const;
    // A preview page: plain text in any case or matching case, no replacing.
    void setPageMode(bool page);
    bool isPageMode() const { return m_pageMode; }

    void setStatus(const QString &text);
    QString status() const;
    void focusFind();

signals:
    void findTextEdited();
    void optionsChanged();
    void inSelectionToggled(bool on);
    void findNextRequested();
    void findPreviousRequested();
    void replaceRequested();
    void replaceAllRequested();
    void closeRequested();
    // The rows shown changed, and with them the bar's height.
    void heightChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRows();

    QLineEdit *m_find;
    QLineEdit *m_replace;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWords;
    QCheckBox *m_regularExpression;
    QCheckBox *m_inSelection;
    QPushButton *m_findNext;
    QPushButton *m_findPrevious;
    QPushButton *m_replaceOne;
    QPushButton *m_replaceAll;
    QToolButton *m_close;
    QLabel *m_status;
    QLabel *m_replaceLabel;
    bool m_replaceShown = false;
    bool m_pageMode = false;
};
