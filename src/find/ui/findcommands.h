#pragma once

#include "find/findpattern.h"

#include <QObject>
#include <QRect>

#include <optional>

class EditorDecorations;
class FindBar;
class FindLayer;
class PreviewBrowser;
class QPlainTextEdit;

// Find and Replace for the main window: opens the find bar at the foot of the
// post editor, searches as the user types, steps through the matches, replaces
// one or all of them (Replace All is one change of the post), and marks every
// match through the editor's decorations while the bar is open. While the
// preview shows, the bar searches the page instead.
class FindCommands : public QObject
{
    Q_OBJECT

public:
    // The bar is a child of `barParent`, where placeBar() puts it.
    FindCommands(QPlainTextEdit *editor, EditorDecorations *decorations, PreviewBrowser *preview,
                 QWidget *barParent, QObject *parent);

    void mnuEditFind_Click();
    void mnuEditFindNext_Click();
    void mnuEditFindPrevious_Click();
    void mnuEditReplace_Click();

    bool isBarShown() const;
    void closeBar();
    // Puts the bar at the foot of `area` (in the bar parent's coordinates) and
    // answers the height it takes there: 0 while the bar is closed.
    int placeBar(const QRect &area);
    // The preview page shows instead of the editor, or the editor again.
    void setPreviewing(bool previewing);

signals:
    // The bar opened, closed or changed its height: the window lays out again.
    void barChanged();

private:
    void openBar(bool withReplace);
    void takeSelection();
    void searchChanged();
    void step(bool forward);
    void stepFromMenu(bool forward);
    void replaceOne();
    void replaceAll();
    void showPageResult(int active, int total);
    FindPattern pattern() const;
    std::optional<FindScope> scope();
    // False, with the reason in the status, for a pattern that finds nothing.
    bool usable(const FindPattern &pattern);
    // The pattern to replace with, when the editor shows and it finds anything.
    std::optional<FindPattern> replacingPattern();
    void select(const FoundMatch &match, qsizetype index, qsizetype count, bool wrapped);
    // "3 of 12".
    static QString matchOfCount(qlonglong number, qlonglong count);

    QPlainTextEdit *m_editor;
    FindLayer *m_layer;
    PreviewBrowser *m_preview;
    FindBar *m_bar;
    // The selection made before the search, which "In selection" keeps to.
    std::optional<FindScope> m_selection;
    // Where typing in the find field searches from.
    qsizetype m_anchor = 0;
    bool m_previewing = false;
};
