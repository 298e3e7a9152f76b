#pragma once

#include "spelling/speller.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <memory>

class Hunspell;

// A Hunspell dictionary (an .aff and a .dic file). Hunspell takes words in the
// dictionary's own encoding, named by the SET line of the .aff file (UTF-8,
// ISO8859-1 and others); this class converts to and from it. A word with a
// character the encoding cannot hold is not in the dictionary.
class HunspellSpeller : public Speller
{
public:
    ~HunspellSpeller() override;

    // Reads the dictionary; nullptr when either file cannot be read or its
    // encoding is unknown. May run on any thread; the speller is then used on one.
    static std::unique_ptr<HunspellSpeller> load(const QString &affPath, const QString &dicPath);

    bool isCorrect(const QString &word) override;
    QStringList suggestions(const QString &word) override;
    void addWord(const QString &word) override;

    // The encoding the dictionary declares, as Hunspell reports it ("UTF-8", "ISO8859-1").
    QString encoding() const;

private:
    HunspellSpeller() = default;
    // The word in the dictionary's encoding; false when it cannot be written in it.
    bool encode(const QString &word, std::string &encoded);

    std::unique_ptr<Hunspell> m_hunspell;
    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};
