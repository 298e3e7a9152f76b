#include "findcommands.h"

#include "decorations/ui/editordecorations.h"
#include "find/findlayer.h"
#include "find/ui/findbar.h"
#include "preview/ui/previewbrowser.h"
#include "widgets/editortext.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

FindCommands::FindCommands(QPlainTextEdit *editor, EditorDecorations *decorations,
                           PreviewBrowser *preview, QWidget *barParent, QObject *parent)
    : QObject(parent), m_editor(editor), m_layer(new FindLayer), m_preview(preview),
      m_bar(new FindBar(barParent))
{
    setObjectName(QStringLiteral("find"));
    decorations->addLayer(m_layer);
    m_bar->hide();
    connect(m_bar, &FindBar::findTextEdited, this, &FindCommands::searchChanged);
    connect(m_bar, &FindBar::optionsChanged, this, &FindCommands::searchChanged);
    connect(m_bar, &FindBar::inSelectionToggled, this, [this](bool on) {
        if (on && !m_selection)
            takeSelection();
        searchChanged();
    });
    connect(m_bar, &FindBar::findNextRequested, this, [this] { step(true); });
    connect(m_bar, &FindBar::findPreviousRequested, this, [this] { step(false); });
    connect(m_bar, &FindBar::replaceRequested, this, &FindCommands::replaceOne);
    connect(m_bar, &FindBar::replaceAllRequested, this, &FindCommands::replaceAll);
    connect(m_bar, &FindBar::closeRequested, this, &FindCommands::closeBar);
    connect(m_bar, &FindBar::heightChanged, this, [this] {
        if (isBarShown())
            emit barChanged();
    });
    connect(m_preview, &PreviewBrowser::pageSearched, this, &FindCommands::showPageResult);
}

void FindCommands::mnuEditFind_Click()
{
    openBar(false);
}

void FindCommands::mnuEditReplace_Click()
{
    openBar(true);
}

void FindCommands::mnuEditFindNext_Click()
{
    stepFromMenu(true);
}

void FindCommands::mnuEditFindPrevious_Click()
{
    stepFromMenu(false);
}

void FindCommands::stepFromMenu(bool forward)
{
    // With nothing to find yet, the keys open the bar to ask for it.
    if (m_bar->findText().isEmpty()) {
        openBar(false);
        return;
    }
    if (!isBarShown()) {
        m_bar->show();
        emit barChanged();
        m_anchor = EditorText(m_editor).selStart();
        searchChanged();
    }
    step(forward);
}

bool FindCommands::isBarShown() const
{
    return !m_bar->isHidden();
}

int FindCommands::placeBar(const QRect &area)
{
    if (!isBarShown())
        return 0;
    const int height = m_bar->sizeHint().height();
    m_bar->setGeometry(area.left(), area.top() + area.height() - height, area.width(), height);
    m_bar->raise();
    return height;
}

void FindCommands::openBar(bool withReplace)
{
    m_bar->setPageMode(m_previewing);
    if (!m_previewing) {
        const EditorText post(m_editor);
        const QString selected = post.selectedText();
        m_anchor = post.selStart();
        m_selection.reset();
        if (selected.contains(u'\n')) {
            // A selection of lines is where to search, not what to search for.
            takeSelection();
            m_bar->setInSelection(true);
        } else {
            if (!selected.isEmpty()) {
                takeSelection();
                m_bar->setFindText(selected);
            } else {
                QTextCursor word = m_editor->textCursor();
                word.select(QTextCursor::WordUnderCursor);
                if (!word.selectedText().isEmpty()) {
                    m_bar->setFindText(word.selectedText());
                    m_anchor = EditorText::toModel(m_editor->document(), word.selectionStart());
                }
            }
            m_bar->setInSelection(false);
        }
    }
    m_bar->setReplaceShown(withReplace);
    const bool wasShown = isBarShown();
    m_bar->show();
    if (!wasShown)
        emit barChanged();
    m_bar->focusFind();
    searchChanged();
}

void FindCommands::closeBar()
{
    if (!isBarShown())
        return;
    m_bar->hide();
    m_layer->clear();
    if (m_previewing) {
        m_preview->findText(QString(), false, false);
        if (QWidget *page = m_preview->view())
            page->setFocus(Qt::OtherFocusReason);
    } else {
        m_editor->setFocus(Qt::OtherFocusReason);
    }
    emit barChanged();
}

void FindCommands::setPreviewing(bool previewing)
{
    if (previewing == m_previewing)
        return;
    m_previewing = previewing;
    if (!isBarShown())
        return;
    if (previewing)
        m_layer->clear();
    else
        m_preview->findText(QString(), false, false);
    m_bar->setPageMode(previewing);
    searchChanged();
}

void FindCommands::takeSelection()
{
    const EditorText post(m_editor);
    if (post.selLength() > 0)
        m_selection = FindScope{post.selStart(), post.selStart() + post.selLength()};
}

FindPattern FindCommands::pattern() const
{
    return FindPattern(m_bar->findText(), m_bar->options());
}

std::optional<FindScope> FindCommands::scope()
{
    if (!m_bar->inSelection())
        return std::nullopt;
    // The layer's scope has moved with the edits since.
    if (m_layer->scope())
        m_selection = m_layer->scope();
    return m_selection.value_or(FindScope{m_anchor, m_anchor});
}

bool FindCommands::usable(const FindPattern &pattern)
{
    if (!pattern.isValid()) {
        m_bar->setStatus(pattern.errorText());
        return false;
    }
    if (pattern.isEmpty()) {
        m_bar->setStatus(QString());
        return false;
    }
    return true;
}

void FindCommands::searchChanged()
{
    if (m_previewing) {
        // A new search, not the next match of the one before: the page would
        // keep the old one's case.
        m_preview->findText(QString(), false, false);
        if (m_bar->findText().isEmpty())
            m_bar->setStatus(QString());
        else
            m_preview->findText(m_bar->findText(), m_bar->options().matchCase, false);
        return;
    }
    const FindPattern find = pattern();
    m_layer->setSearch(find, scope());
    m_layer->setCurrent(std::nullopt);
    if (!usable(find))
        return;
    // As the user types, the first match from where the search started.
    const QList<FoundMatch> &matches = m_layer->matches();
    if (matches.isEmpty()) {
        m_bar->setStatus(tr("No matches"));
        return;
    }
    const auto at = std::lower_bound(
        matches.begin(), matches.end(), m_anchor,
        [](const FoundMatch &match, qsizetype from) { return match.start < from; });
    const qsizetype index = at == matches.end() ? 0 : at - matches.begin();
    select(matches[index], index, matches.size(), false);
}

void FindCommands::step(bool forward)
{
    if (m_previewing) {
        if (!m_bar->findText().isEmpty())
            m_preview->findText(m_bar->findText(), m_bar->options().matchCase, !forward);
        return;
    }
    const FindPattern find = pattern();
    if (!usable(find))
        return;
    if (!m_layer->isActive() || !(m_layer->pattern() == find))
        m_layer->setSearch(find, scope());
    const QList<FoundMatch> &matches = m_layer->matches();
    if (matches.isEmpty()) {
        m_bar->setStatus(tr("No matches"));
        return;
    }
    const EditorText post(m_editor);
    const FoundMatch selected{post.selStart(), post.selLength()};
    qsizetype index = 0;
    bool wrapped = false;
    if (forward) {
        auto at = std::lower_bound(
            matches.begin(), matches.end(), selected.end(),
            [](const FoundMatch &match, qsizetype from) { return match.start < from; });
        // An empty match where the caret stands is the one shown.
        if (at != matches.end() && *at == selected)
            ++at;
        wrapped = at == matches.end();
        index = wrapped ? 0 : at - matches.begin();
    } else {
        const auto at = std::lower_bound(
            matches.begin(), matches.end(), selected.start,
            [](const FoundMatch &match, qsizetype from) { return match.start < from; });
        wrapped = at == matches.begin();
        index = wrapped ? matches.size() - 1 : (at - matches.begin()) - 1;
    }
    select(matches[index], index, matches.size(), wrapped);
}

void FindCommands::select(const FoundMatch &match, qsizetype index, qsizetype count, bool wrapped)
{
    EditorText post(m_editor);
    post.setSelection(int(match.start), int(match.length));
    m_editor->ensureCursorVisible();
    m_anchor = match.start;
    m_layer->setCurrent(match);
    m_bar->setStatus(wrapped ? tr("Search wrapped") : matchOfCount(index + 1, count));
}

QString FindCommands::matchOfCount(qlonglong number, qlonglong count)
{
    const QLocale locale;
    return tr("%1 of %2").arg(locale.toString(number), locale.toString(count));
}

std::optional<FindPattern> FindCommands::replacingPattern()
{
    if (m_previewing)
        return std::nullopt;
    FindPattern find = pattern();
    if (!usable(find))
        return std::nullopt;
    return find;
}

void FindCommands::replaceOne()
{
    const std::optional<FindPattern> find = replacingPattern();
    if (!find)
        return;
    EditorText post(m_editor);
    const FoundMatch selected{post.selStart(), post.selLength()};
    const std::optional<FindScope> within = scope();
    const bool inScope = !within
        || (selected.start >= within->start && (within->end < 0 || selected.end() <= within->end));
    if (inScope) {
        if (const std::optional<QString> replacement
            = find->replacementFor(FindText(post.text()), selected, m_bar->replaceText())) {
            // The caret ends after the replacement, so it is not searched again.
            post.replaceSelection(*replacement);
        }
    }
    step(true);
}

void FindCommands::replaceAll()
{
    const std::optional<FindPattern> find = replacingPattern();
    if (!find)
        return;
    EditorText post(m_editor);
    const QList<TextReplacement> replacements = find->replacements(
        FindText(post.text()), m_bar->replaceText(), scope().value_or(FindScope{}));
    if (replacements.isEmpty()) {
        m_bar->setStatus(tr("No matches"));
        return;
    }
    m_layer->setCurrent(std::nullopt);
    post.replaceRanges(replacements);
    const qsizetype count = replacements.size();
    m_bar->setStatus(count == 1 ? tr("1 replacement")
                                : tr("%1 replacements").arg(QLocale().toString(qlonglong(count))));
}

void FindCommands::showPageResult(int active, int total)
{
    if (!m_previewing || !isBarShown() || m_bar->findText().isEmpty())
        return;
    m_bar->setStatus(total == 0 ? tr("No matches") : matchOfCount(active, total));
}
