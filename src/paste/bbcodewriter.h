#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The inline formatting of the text written next, as the tags that express it.
// Empty strings mean "no such tag".
struct InlineFormat
{
    QString url;   // address of a web link ([URL=...])
    QString email; // address of a mail link ([EMAIL=...])
    QString font;
    QString size;
    QString color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A block that encloses lines of the post: a quote, a list or a code block.
// Two containers are the same one when kind and id agree.
struct BBCodeContainer
{
    enum Kind { Quote, List, Code };
    Kind kind = Quote;
    quintptr id = 0;
    bool operator==(const BBCodeContainer &other) const = default;
};

// Assembles a post in the tags the formatting commands write, so that the
// converter always accepts it: inline tags properly nested and closed at the end
// of every line block, every list item ended by a line break, text that would
// read as a tag guarded by a zero-width space after its "[", at most one empty
// line between paragraphs (code keeps its own). Line breaks are CR LF.
class BBCodeWriter
{
public:
    // Starts a paragraph (or list item, or code line) inside `containers`,
    // outermost first; `gap` asks for an empty line before it, and `emptyLines`
    // counts the empty lines a code block keeps before this line.
    void startBlock(const QList<BBCodeContainer> &containers, bool gap, int emptyLines);
    void endBlock();

    void setFormat(const InlineFormat &format);
    // Text of the page: spaces at the ends of a line are dropped, U+2028 breaks
    // the line (in a list item it is a space), U+00A0 is a space.
    void writeText(QStringView text);
    // Finished markup, such as "[IMG]...[/IMG]", written like visible text.
    void writeMarkup(const QString &markup);

    // Closes every open block and returns the post.
    QString finish();

    // `text` with a zero-width space after each "[" that would start a tag.
    static QString guarded(QStringView text);

private:
    struct Tag
    {
        QString name;
        QString value;
        bool operator==(const Tag &other) const = default;
    };

    bool inCode() const;
    bool inListItem() const;
    void beforeContent();
    void flushText();
    void closeUnwanted();
    void openWanted();
    void closeTags(qsizetype keep);
    void newLine();
    void separate(bool gap);
    void closeContainer(const BBCodeContainer &container);
    void openContainer(const BBCodeContainer &container);
    static QList<Tag> tagsFor(const InlineFormat &format);

    QString m_out;
    QString m_text; // written text not yet guarded
    QList<BBCodeContainer> m_containers;
    QList<Tag> m_open;       // inline tags open on the current line block
    QList<Tag> m_wanted;     // tags the next visible text needs
    bool m_lineOpen = false; // the last line of m_out has something on it
    bool m_blockHasContent = false;
    int m_pendingBreaks = 0;
    bool m_pendingSpace = false;
};
