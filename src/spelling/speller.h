#pragma once

#include <QString>
#include <QStringList>

// Checks single words against one dictionary. The program's speller is
// Hunspell (HunspellSpeller); tests hand in a fake that knows a few words.
class Speller
{
public:
    virtual ~Speller() = default;

    virtual bool isCorrect(const QString &word) = 0;
    // Best first; empty when the dictionary has nothing close.
    virtual QStringList suggestions(const QString &word) = 0;
    // Accepts `word` from now on, for the rest of the run.
    virtual void addWord(const QString &word) = 0;
};
