#include "editordecorations.h"

#include "widgets/editortext.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

EditorDecorations::EditorDecorations(QPlainTextEdit *editor) : QObject(editor), m_editor(editor)
{
    m_slices.setSingleShot(true);
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &EditorDecorations::decorateSlice);
    QTextDocument *document = editor->document();
    m_lineCount = document->blockCount();
    m_postLength = EditorText(editor).length();
    connect(document, &QTextDocument::contentsChange, this, &EditorDecorations::contentsChanged);
    // Scrolling into lines not decorated yet decorates them before anything else.
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!isIdle())
            m_slices.start();
    });
    editor->installEventFilter(this);
    editor->viewport()->installEventFilter(this);
    takeColours();
}

void EditorDecorations::addLayer(DecorationLayer *layer)
{
    layer->setParent(this);
    layer->setPostTextSource([this] { return postText(); });
    m_layers.append(layer);
    connect(layer, &DecorationLayer::decorationsChanged, this, &EditorDecorations::markDirty);
    markDirty(0, -1);
}

QString EditorDecorations::postText() const
{
    return EditorText(m_editor).text();
}

bool EditorDecorations::isIdle() const
{
    return m_dirtyFirst < 0;
}

void EditorDecorations::takeColours()
{
    const QPalette palette = m_editor->palette();
    m_colours = DecorationColours::forTextArea(palette.color(QPalette::Base),
                                               palette.color(QPalette::Text));
    for (size_t kind = 0; kind < m_formats.size(); ++kind)
        m_formats[kind] = makeFormat(DecorationKind(kind));
}

QTextCharFormat EditorDecorations::formatFor(DecorationKind kind) const
{
    return m_formats[size_t(kind)];
}

QTextCharFormat EditorDecorations::makeFormat(DecorationKind kind) const
{
    QTextCharFormat format;
    switch (kind) {
    case DecorationKind::TagName:
        format.setForeground(m_colours.tag);
        break;
    case DecorationKind::TagValue:
        format.setForeground(m_colours.value);
        break;
    case DecorationKind::Warning:
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(m_colours.warning);
        break;
    case DecorationKind::Misspelling:
        format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        format.setUnderlineColor(QColor(Qt::red));
        break;
    case DecorationKind::SearchMatch:
        format.setBackground(m_colours.match);
        break;
    case DecorationKind::CurrentSearchMatch:
        format.setBackground(m_colours.currentMatch);
        break;
    case DecorationKind::SearchScope:
        format.setBackground(m_colours.scope);
        break;
    }
    return format;
}

void EditorDecorations::contentsChanged(int position, int, int editorAdded)
{
    if (m_applying)
        return;
    const QTextDocument *document = m_editor->document();
    const int lineCount = document->blockCount();
    const int delta = lineCount - m_lineCount;
    m_lineCount = lineCount;
    const int first = std::max(document->findBlock(position).blockNumber(), 0);
    int last = document->findBlock(position + editorAdded).blockNumber();
    if (last < first)
        last = lineCount - 1;
    // Lines waiting below the edit moved with it.
    if (m_dirtyFirst > first)
        m_dirtyFirst = std::max(first, m_dirtyFirst + delta);
    if (m_dirtyLast > first)
        m_dirtyLast = std::max(first, m_dirtyLast + delta);

    // The edit in the post's terms: each line break inside the new text counts
    // one more, and the change of the post's length gives what went.
    const qsizetype length = qsizetype(document->characterCount()) - 1 + lineCount - 1;
    const qsizetype added = qsizetype(editorAdded) + (last - first);
    const PostChange change{first,
                            last,
                            delta,
                            EditorText::toModel(document, position),
                            added - (length - m_postLength),
                            added};
    m_postLength = length;
    for (DecorationLayer *layer : std::as_const(m_layers))
        layer->postChanged(change);

    // The edited lines now, as far as one slice's time allows; a long paste
    // or a new post goes on in slices, visible lines first.
    QElapsedTimer clock;
    clock.start();
    QTextBlock block = document->findBlockByNumber(first);
    int line = first;
    for (; line <= last && block.isValid() && !clock.hasExpired(sliceBudget); ++line) {
        decorateBlock(block);
        block = block.next();
    }
    if (line <= last)
        markDirty(line, last);
}

void EditorDecorations::markDirty(int firstLine, int lastLine)
{
    if (m_layers.isEmpty())
        return;
    const int end = m_lineCount - 1;
    if (lastLine < 0 || lastLine > end)
        lastLine = end;
    firstLine = std::clamp(firstLine, 0, end);
    if (firstLine > lastLine)
        return;
    if (m_dirtyFirst < 0) {
        m_dirtyFirst = firstLine;
        m_dirtyLast = lastLine;
    } else {
        m_dirtyFirst = std::min(m_dirtyFirst, firstLine);
        m_dirtyLast = std::max(m_dirtyLast, lastLine);
    }
    m_slices.start();
}

void EditorDecorations::decorateVisible()
{
    const QRect area = m_editor->viewport()->rect();
    const QTextBlock top = m_editor->cursorForPosition(area.topLeft()).block();
    const QTextBlock bottom = m_editor->cursorForPosition(area.bottomRight()).block();
    const int first = std::max(top.blockNumber(), m_dirtyFirst);
    const int last = std::min(bottom.blockNumber(), m_dirtyLast);
    if (first > last)
        return;
    QTextBlock block = m_editor->document()->findBlockByNumber(first);
    for (int line = first; line <= last && block.isValid(); ++line, block = block.next())
        decorateBlock(block);
    // Decorated lines at either end of the span leave it.
    if (first == m_dirtyFirst)
        m_dirtyFirst = last + 1;
    else if (last == m_dirtyLast)
        m_dirtyLast = first - 1;
}

void EditorDecorations::decorateSlice()
{
    if (m_dirtyFirst < 0)
        return;
    m_dirtyLast = std::min(m_dirtyLast, m_lineCount - 1);
    QElapsedTimer clock;
    clock.start();
    decorateVisible();
    QTextBlock block = m_editor->document()->findBlockByNumber(m_dirtyFirst);
    while (m_dirtyFirst <= m_dirtyLast && block.isValid() && !clock.hasExpired(sliceBudget)) {
        decorateBlock(block);
        block = block.next();
        ++m_dirtyFirst;
    }
    if (m_dirtyFirst > m_dirtyLast || !block.isValid()) {
        m_dirtyFirst = m_dirtyLast = -1;
        emit idle();
        return;
    }
    m_slices.start();
}

void EditorDecorations::decorateBlock(const QTextBlock &block)
{
    const QString text = block.text();
    QList<Decoration> found;
    if (text.size() <= longestDecoratedLine) {
        const DecorationLine line{block.blockNumber(),
                                  block.position() + qsizetype(block.blockNumber()), text};
        for (const DecorationLayer *layer : std::as_const(m_layers))
            layer->decorate(line, found);
    }

    QList<QTextLayout::FormatRange> formats;
    if (!found.isEmpty()) {
        // Cut the line where any decoration starts or ends; each piece takes
        // the merged formats of the decorations over it, in layer order.
        std::vector<int> cuts;
        cuts.reserve(size_t(found.size()) * 2);
        const int size = int(text.size());
        for (const Decoration &decoration : std::as_const(found)) {
            cuts.push_back(std::clamp(decoration.start, 0, size));
            cuts.push_back(std::clamp(decoration.start + decoration.length, 0, size));
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (size_t cut = 0; cut + 1 < cuts.size(); ++cut) {
            const int from = cuts[cut];
            const int to = cuts[cut + 1];
            QTextCharFormat format;
            for (const Decoration &decoration : std::as_const(found)) {
                if (decoration.start <= from && decoration.start + decoration.length >= to)
                    format.merge(formatFor(decoration.kind));
            }
            if (format.isEmpty())
                continue;
            if (!formats.isEmpty() && formats.last().start + formats.last().length == from
                && formats.last().format == format)
                formats.last().length += to - from;
            else
                formats.append({from, to - from, format});
        }
    }

    QTextLayout *layout = block.layout();
    if (layout->formats() == formats)
        return;
    layout->setFormats(formats);
    m_applying = true;
    m_editor->document()->markContentsDirty(block.position(), block.length());
    m_applying = false;
}

QList<EditorDecorations::Found> EditorDecorations::decorationsAt(qsizetype position) const
{
    QList<Found> result;
    const QTextDocument *document = m_editor->document();
    const QTextBlock block = document->findBlock(EditorText::toEditor(document, int(position)));
    if (!block.isValid())
        return result;
    const QString text = block.text();
    if (text.size() > longestDecoratedLine)
        return result;
    const DecorationLine line{block.blockNumber(),
                              block.position() + qsizetype(block.blockNumber()), text};
    const qsizetype offset = position - line.start;
    for (DecorationLayer *layer : m_layers) {
        QList<Decoration> found;
        layer->decorate(line, found);
        for (const Decoration &decoration : std::as_const(found)) {
            if (decoration.start <= offset && offset <= decoration.start + decoration.length)
                result.append({layer, line.start + decoration.start, decoration.length,
                               decoration.kind, decoration.message});
        }
    }
    return result;
}

bool EditorDecorations::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor
        && (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)) {
        const DecorationColours before = m_colours;
        takeColours();
        if (before != m_colours)
            markDirty(0, -1);
    } else if (event->type() == QEvent::ToolTip && watched == m_editor->viewport()) {
        // The type is tested first: while the editor is being destroyed it is no
        // longer a scroll area, and events still reach this filter.
        const auto *help = static_cast<QHelpEvent *>(event);
        const QTextCursor cursor = m_editor->cursorForPosition(help->pos());
        const int position = EditorText::toModel(m_editor->document(), cursor.position());
        QStringList messages;
        for (const Found &found : decorationsAt(position)) {
            if (!found.message.isEmpty() && !messages.contains(found.message))
                messages.append(found.message);
        }
        if (messages.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), messages.join(u'\n'), m_editor->viewport());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
