#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>

#include <functional>

// What a decoration shows. The editor turns each kind into a colour or an
// underline derived from its own palette, so a layer never picks a colour.
enum class DecorationKind {
    TagName,            // a tag the preview converts, in the tag colour
    TagValue,           // the value of such a tag, in the value colour
    Warning,            // a warning-coloured wave, with the message as tooltip
    Misspelling,        // the style's spell-check underline
    SearchMatch,        // a background mark on a match of the search
    CurrentSearchMatch, // a stronger mark on the match the search stands on
    SearchScope,        // a faint background on the stretch a search keeps to
};

// One decorated stretch of a line. start and length count characters of the
// line, which holds no line break; message is the tooltip (empty: none).
struct Decoration
{
    int start = 0;
    int length = 0;
    DecorationKind kind = DecorationKind::TagName;
    QString message;

    friend bool operator==(const Decoration &, const Decoration &) = default;
};

// One line of the post as a layer sees it.
struct DecorationLine
{
    int number = 0;      // from 0
    qsizetype start = 0; // where it starts in the post; a line break counts two characters
    QStringView text;    // without its line break
};

// An edit of the post: lines firstLine..lastLine (numbered as they are now)
// hold the new text, and lineDelta lines were added there (negative: removed).
// In the post's terms (a line break counts two characters), `removed`
// characters at `position` were replaced by `added` new ones.
struct PostChange
{
    int firstLine = 0;
    int lastLine = 0;
    int lineDelta = 0;
    qsizetype position = 0;
    qsizetype removed = 0;
    qsizetype added = 0;
};

// One source of decorations in the post editor: tag colours, tag warnings,
// spelling, search matches. A layer is logic only; the editor's decoration engine asks it for
// the decorations of one line at a time and draws all layers merged.
//
// How a layer plugs in:
//  - Implement decorate(): append the decorations of one line, in any order
//    and overlapping as they like. It is called for the edited lines right
//    after each keystroke and for the rest in idle slices, so it must cost in
//    proportion to the line, not to the post. Lines longer than the engine's
//    limit are never asked for.
//  - Override postChanged() to learn of every edit before its lines are
//    decorated again; postText() gives the whole post when a layer needs more
//    than one line (pairing tags, code blocks). It copies the post: call it
//    once per change at most, or later from a timer of the layer's own.
//  - Emit decorationsChanged() when decorations change without an edit (an
//    analysis of the whole post finished, a dictionary loaded, a word was
//    added, the layer was switched off): the engine decorates those lines
//    again, visible ones first, the rest while idle.
//  - Add it with EditorDecorations::addLayer(); layers added later draw over
//    earlier ones where both set a colour or an underline. The engine's
//    decorationsAt() tells which decorations cover a position, for tooltips
//    and context menus.
class DecorationLayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void decorate(const DecorationLine &line, QList<Decoration> &out) const = 0;
    virtual void postChanged(const PostChange &change);

    // The whole post now, with CR LF line breaks; empty while the layer is in no engine.
    QString postText() const;
    // Set by the engine the layer is added to.
    void setPostTextSource(std::function<QString()> source);

signals:
    // lastLine -1 means to the end of the post.
    void decorationsChanged(int firstLine, int lastLine);

private:
    std::function<QString()> m_postText;
};
