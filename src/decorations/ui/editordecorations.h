#pragma once

#include "decorations/decorationcolours.h"
#include "decorations/decorationlayer.h"

#include <QList>
#include <QObject>
#include <QTextCharFormat>
#include <QTimer>

#include <array>

class QPlainTextEdit;
class QTextBlock;

// Draws the decorations of its layers over the post editor's text, without
// touching the text or its undo history: the formats go on each line's layout.
// An edited line is decorated again at once; visible lines next, and the rest
// of the post in short slices while the program is idle, so a whole new post
// never holds the window up. Shows the decorations' messages as tooltips.
// How a layer plugs in is described with DecorationLayer.
class EditorDecorations : public QObject
{
    Q_OBJECT

public:
    // Lines longer than this (in characters) are left undecorated.
    static constexpr int longestDecoratedLine = 20000;
    // The most time one idle slice spends decorating, in milliseconds.
    static constexpr int sliceBudget = 8;

    explicit EditorDecorations(QPlainTextEdit *editor);

    // Takes ownership. Later layers draw over earlier ones.
    void addLayer(DecorationLayer *layer);
    const QList<DecorationLayer *> &layers() const { return m_layers; }

    struct Found
    {
        DecorationLayer *layer = nullptr;
        qsizetype start = 0; // in the post; a line break counts two characters
        qsizetype length = 0;
        DecorationKind kind = DecorationKind::TagName;
        QString message;
    };
    // The decorations covering a position of the post (CR LF counts two),
    // in layer order: those with start <= position <= start + length, so a
    // caret just after a word still finds it.
    QList<Found> decorationsAt(qsizetype position) const;

    const DecorationColours &colours() const { return m_colours; }
    // True when every line shows its current decorations.
    bool isIdle() const;

signals:
    // Everything pending is decorated.
    void idle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contentsChanged(int position, int removed, int added);
    void markDirty(int firstLine, int lastLine);
    void decorateVisible();
    void decorateSlice();
    void decorateBlock(const QTextBlock &block);
    void takeColours();
    QString postText() const;
    QTextCharFormat formatFor(DecorationKind kind) const;
    QTextCharFormat makeFormat(DecorationKind kind) const;

    QPlainTextEdit *m_editor;
    QList<DecorationLayer *> m_layers;
    DecorationColours m_colours;
    std::array<QTextCharFormat, size_t(DecorationKind::SearchScope) + 1> m_formats; // by kind
    QTimer m_slices;
    // Lines still to decorate, as one span; -1 when none.
    int m_dirtyFirst = -1;
    int m_dirtyLast = -1;
    int m_lineCount = 1;
    qsizetype m_postLength = 0;
    bool m_applying = false;
};
