#pragma once

#include "decorations/decorationlayer.h"
#include "spelling/spellscan.h"

#include <vector>

class SpellChecker;

// Underlines the misspelled words of the post. Words inside a code block are
// not checked, and a code block may span lines, so the layer keeps, for every
// line, how the line changes the state it starts in: an edit that opens or
// closes a code block has the lines after it checked again.
class SpellingLayer : public DecorationLayer
{
    Q_OBJECT

public:
    // `checker` is not owned and outlives the layer.
    explicit SpellingLayer(SpellChecker *checker, QObject *parent = nullptr);

    // Off, the layer underlines nothing and does no work while the user types.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    void decorate(const DecorationLine &line, QList<Decoration> &out) const override;
    void postChanged(const PostChange &change) override;

    // More lines than this changed at once are read again from the whole post.
    static constexpr int linesReadSingly = 100;

private:
    struct Line
    {
        SpellScan::State afterText = SpellScan::State::Text;
        SpellScan::State afterCode = SpellScan::State::Code;
        SpellScan::State start = SpellScan::State::Text; // valid below m_validStarts

        SpellScan::State after(SpellScan::State state) const
        {
            return state == SpellScan::State::Text ? afterText : afterCode;
        }
    };

    void readWholePost();
    SpellScan::State startOf(int line) const;

    SpellChecker *m_checker;
    bool m_active = false;
    // decorate() is const for the engine; what it learns of a line is kept here.
    mutable std::vector<Line> m_lines;
    mutable int m_validStarts = 0;
};
