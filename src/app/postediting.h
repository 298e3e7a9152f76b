#pragma once

#include <QString>
#include <QStringView>

// Where the editor's own editing keys put the caret. Positions are zero-based
// and count a line break (CR LF) as two characters.
namespace PostEditing {

// A deletion: remove [start, start + length), then put the caret at `caret`.
struct Deletion
{
    int start = 0;
    int length = 0;
    int caret = 0;
    bool operator==(const Deletion &) const = default;
};

// Ctrl+Backspace with the caret at `caret` (any selection is ignored): deletes
// back to and including the nearest space before the caret, or everything before
// the caret when there is no space. Only a space ends the search; tabs and line
// breaks do not.
Deletion ctrlBackspace(QStringView text, int caret);

// The text after `deletion`.
QString apply(const QString &text, const Deletion &deletion);

} // namespace PostEditing
