#pragma once

#include <QString>
#include <QStringList>

class Clipboard;

// Copying a post to the clipboard: the length test, the tidying of runs of
// empty lines, and the run of the copy itself.
// A line break is one CR LF pair; a lone CR or LF is not one.
namespace CopyPost {

// Replaces each run of `n` consecutive line breaks with two, left to right,
// without scanning the inserted breaks again.
QString removeBreakRuns(const QString &text, int n);

// The post after each of the four tidying passes (runs of 6, 5, 4, then 3
// breaks), in order; each pass works on the result of the one before.
QStringList tidyPasses(const QString &text);

// A post of fewer than two characters is not copied or previewed.
bool longEnough(const QString &text);

// The post as the window holds it while a copy runs.
class Editor
{
public:
    virtual ~Editor() = default;
    virtual QString text() const = 0;
    // Puts one tidying pass into the post, as an edit of its own.
    virtual void write(const QString &text) = 0;
    // Lets the waiting events run; answers whether the post changed meanwhile
    // (a key the user typed while the copy ran).
    virtual bool runEvents() = 0;
};

// Copy Post. A post that is not long enough is left alone: the answer is false.
// Otherwise, with `tidy`, each pass goes into the post in turn, so Undo steps
// back through them; the clipboard is cleared, the events run, and the clipboard
// gets the tidied post, or the post as it is then when a key was typed
// meanwhile: what the user typed goes with the copy.
bool copy(Editor &editor, bool tidy, Clipboard &clipboard);

// Source texts of the warning; the window shows them translated in context "CopyPost".
inline constexpr char tooShortMessage[]
    = QT_TRANSLATE_NOOP("CopyPost", "You must enter a message to post!");
inline constexpr char tooShortTitle[] = QT_TRANSLATE_NOOP("CopyPost", "Error");

} // namespace CopyPost
