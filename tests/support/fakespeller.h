#pragma once

#include "spelling/speller.h"

#include <QHash>
#include <QSet>

// A dictionary of a few words, with suggestions given by the test. It counts
// the questions it is asked.
class FakeSpeller : public Speller
{
public:
    explicit FakeSpeller(const QStringList &words = {},
                         const QHash<QString, QStringList> &suggestions = {})
        : m_words(words.cbegin(), words.cend()), m_suggestions(suggestions)
    {
    }

    bool isCorrect(const QString &word) override
    {
        ++checks;
        return m_words.contains(word);
    }
    QStringList suggestions(const QString &word) override { return m_suggestions.value(word); }
    void addWord(const QString &word) override { m_words.insert(word); }

    int checks = 0;

private:
    QSet<QString> m_words;
    QHash<QString, QStringList> m_suggestions;
};
