#pragma once

#include <QList>
#include <QStringView>

class SpellChecker;

// Finds the words of a post that spelling checks, one editor line at a time.
// Left out: tags with their names and values, the addresses inside [IMG],
// [EMAIL] and [URL] without a value, everything from [CODE] to [/CODE] (which
// may span lines), web and e-mail addresses typed in the text, and words with
// digits in them. A word is a run of letters (any script) and marks, with
// apostrophes inside it ("don't", "don’t").
namespace SpellScan {

// Where a line starts: in plain text, or inside a code block that an earlier line opened.
enum class State { Text = 0, Code = 1 };

struct Word
{
    qsizetype start; // in the line
    qsizetype length;

    bool operator==(const Word &) const = default;
};

// The words of `line` (no line break in it) in order. `state` is the state at
// the line's start and becomes the state at its end.
QList<Word> words(QStringView line, State &state);

// The state at the end of `line` for a line that starts in `state`.
State stateAfter(QStringView line, State state);

// The words of `line` that `checker` finds misspelled; `state` as above.
QList<Word> misspelled(QStringView line, State &state, SpellChecker &checker);

} // namespace SpellScan
