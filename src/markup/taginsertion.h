#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One edit of the post by a formatting command: replace the editor's selection
// with `replacement`, then select [selStart, selStart + selLength). Positions
// count a line break (CR LF) as two characters.
struct TagEdit
{
    QString replacement;
    int selStart = 0;
    int selLength = 0;
};

// What the tag buttons and lists write into the post, and where the caret goes
// afterwards. Tags are written in upper case. `selStart` and `selectedText` are
// the editor's selection before the command, in CR LF terms.
namespace TagInsertion {

// Wraps the selection in "[NAME]...[/NAME]" or "[NAME=value]...[/NAME]" and
// selects the wrapped text again (or puts the caret between the tags).
TagEdit InsertTag(const QString &name, const QString &value, int selStart,
                  const QString &selectedText);

// The link for the answer of the URL prompt; nothing for an empty answer.
std::optional<TagEdit> url(const QString &answer, int selStart, const QString &selectedText);

// The list block replacing the selection, one "[*]" line per item; the items end
// at the first empty one. Nothing when there is no item.
std::optional<TagEdit> list(const QStringList &items, int selStart);

// Tag values for the list items; "" for the heading (index 0) or an unknown item.
QString fontValue(int index);
QString colorValue(int index);
QString sizeValue(const QString &itemText);

// The lists' items, heading first: the source texts, which the window shows translated in
// context "TagInsertion" (font names stay as they are).
const QStringList &fontItems();
const QStringList &sizeItems();
const QStringList &colorItems();

// The prompts of the URL and list commands.
// Source texts; the window shows them translated in context "TagInsertion".
inline constexpr char urlPrompt[]
    = QT_TRANSLATE_NOOP("TagInsertion", "Enter the URL for the link:");
inline constexpr char urlTitle[] = QT_TRANSLATE_NOOP("TagInsertion", "Insert URL");
inline constexpr QStringView urlDefault = u"http://";
inline constexpr char listPrompt[] = QT_TRANSLATE_NOOP(
    "TagInsertion", "Enter a list item (enter blank or press cancel to end list)");
inline constexpr char listTitle[] = QT_TRANSLATE_NOOP("TagInsertion", "Insert List");

} // namespace TagInsertion
