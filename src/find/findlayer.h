#pragma once

#include "decorations/decorationlayer.h"
#include "find/findpattern.h"

#include <QTimer>

#include <memory>
#include <optional>

// Marks every match of the search in the post, the current one stronger, and
// the stretch a search in the selection keeps to. The post is searched in
// short slices while the program is idle, a moment after the writer stops
// typing; until then the marks move with the text around them, and those an
// edit touched are gone. Switched off, it marks nothing and does no work.
class FindLayer : public DecorationLayer
{
    Q_OBJECT

public:
    // How long after the last edit the post is searched again, in milliseconds.
    static constexpr int settleTime = 100;
    // The most time one slice of the search takes, in milliseconds.
    static constexpr int sliceBudget = 6;

    explicit FindLayer(QObject *parent = nullptr);

    // Searches the post for `pattern` within `scope` (the whole post without one).
    void setSearch(const FindPattern &pattern, std::optional<FindScope> scope);
    // Marks nothing any more.
    void clear();
    bool isActive() const { return m_active; }
    const FindPattern &pattern() const { return m_pattern; }
    // The scope as the edits since have moved it.
    std::optional<FindScope> scope() const { return m_scope; }

    // Every match of the post as it is now, in order; finishes the search at
    // once when it is not done.
    const QList<FoundMatch> &matches();
    bool isSearching() const { return m_active && m_stale; }

    void setCurrent(std::optional<FoundMatch> match);
    std::optional<FoundMatch> current() const { return m_current; }

    void decorate(const DecorationLine &line, QList<Decoration> &out) const override;
    void postChanged(const PostChange &change) override;

signals:
    // The matches are those of the post as it is now.
    void matchesChanged();

private:
    void restart();
    void searchSlice();
    void finish(QList<FoundMatch> found);
    // Reads the post again when an edit came after the last reading.
    void readPost();
    // Has the lines from one post position to another (-1: the end) decorated again.
    void markLines(qsizetype from, qsizetype to);

    bool m_active = false;
    bool m_stale = false;
    FindPattern m_pattern;
    std::optional<FindScope> m_scope;
    std::optional<FoundMatch> m_current;
    QList<FoundMatch> m_matches;
    // The post the running search reads; the sweep refers to it.
    std::unique_ptr<FindText> m_text;
    bool m_textIsCurrent = false;
    std::unique_ptr<FindPattern::Sweep> m_sweep;
    QTimer m_settle;
    QTimer m_slices;
};
