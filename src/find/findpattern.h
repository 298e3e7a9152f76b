#pragma once

#include "find/findtext.h"
#include "foundation/textreplacement.h"

#include <QDeadlineTimer>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <optional>

struct FindOptions
{
    bool matchCase = false;
    bool wholeWords = false;
    bool regularExpression = false;

    friend bool operator==(const FindOptions &, const FindOptions &) = default;
};

// A stretch of the post, in the post's terms (a line break counts two characters).
struct FoundMatch
{
    qsizetype start = 0;
    qsizetype length = 0;

    qsizetype end() const { return start + length; }
    friend bool operator==(const FoundMatch &, const FoundMatch &) = default;
};

// Where a search keeps to, in the post's terms; the whole post by default.
struct FindScope
{
    qsizetype start = 0;
    qsizetype end = -1; // -1: to the end of the post

    bool isWholePost() const { return start == 0 && end < 0; }
    friend bool operator==(const FindScope &, const FindScope &) = default;
};

// What the user searches for: plain text (case-insensitive unless matchCase)
// or a regular expression over the whole post, so that a pattern may span
// lines. With wholeWords a match neither starts nor ends inside a word.
// In a regular expression's replacement \0 to \9 stand for the groups, \n for
// a line break, \t for a tab and \\ for a backslash; plain text replaces as it is.
class FindPattern
{
public:
    FindPattern() = default;
    FindPattern(const QString &pattern, FindOptions options);

    const QString &pattern() const { return m_pattern; }
    FindOptions options() const { return m_options; }
    bool isEmpty() const { return m_pattern.isEmpty(); }
    // An empty pattern is valid and finds nothing.
    bool isValid() const { return m_error.isEmpty(); }
    // Why the pattern is not valid, in words for the user.
    const QString &errorText() const { return m_error; }
    bool operator==(const FindPattern &other) const
    {
        return m_pattern == other.m_pattern && m_options == other.m_options;
    }

    // Every match in the scope, in order.
    QList<FoundMatch> matches(const FindText &text, FindScope scope = {}) const;
    // What replaces `match`, or nothing when the post holds no such match there.
    std::optional<QString> replacementFor(const FindText &text, FoundMatch match,
                                          const QString &replacement) const;
    // Replace All: every match in the scope with its replacement, in order.
    QList<TextReplacement> replacements(const FindText &text, const QString &replacement,
                                        FindScope scope = {}) const;

    // Walks the matches of a scope in order, a slice at a time.
    class Sweep
    {
    public:
        Sweep(const FindPattern &pattern, const FindText &text, FindScope scope);
        // Finds matches until the deadline passes; true once the scope is done.
        bool run(QDeadlineTimer deadline = QDeadlineTimer::Forever);
        const QList<FoundMatch> &found() const { return m_found; }
        QList<FoundMatch> takeFound() { return std::move(m_found); }

    private:
        const FindText &m_text;
        QRegularExpressionMatchIterator m_matches;
        qsizetype m_end = 0; // in FindText terms
        bool m_done = true;
        QList<FoundMatch> m_found;
    };

private:
    // The matches from the scope's start on; `end` is set to the scope's end in
    // FindText terms, where the caller stops. Nothing for a pattern that finds nothing.
    std::optional<QRegularExpressionMatchIterator> iterate(const FindText &text, FindScope scope,
                                                           qsizetype &end) const;
    QString expand(const QRegularExpressionMatch &match, const QString &replacement) const;

    QString m_pattern;
    FindOptions m_options;
    QRegularExpression m_regex;
    QString m_error;
};
