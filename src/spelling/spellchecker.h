#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class Speller;

// Decides which words are misspelled: the dictionary's verdict, less the words
// the user added to the dictionary (kept in words.txt, one word a line) and the
// words ignored for this run. Verdicts are remembered, so a long post with the
// same words over and over asks the dictionary once a word.
class SpellChecker : public QObject
{
    Q_OBJECT
public:
    explicit SpellChecker(QObject *parent = nullptr);
    ~SpellChecker() override;

    // Nothing is misspelled without a speller.
    void setSpeller(std::unique_ptr<Speller> speller);
    bool hasSpeller() const { return m_speller != nullptr; }

    bool isMisspelled(const QString &word);
    // At most `most` replacements, best first.
    QStringList suggestions(const QString &word, int most = 5);

    // Reads the user's words from `path`; a missing file holds none. Throws
    // WuxoError when the file exists but cannot be read.
    void readWords(const QString &path);
    QStringList words() const { return m_words; }
    // Accepts `word` from now on and writes the list back to the file that
    // readWords() read. Throws WuxoError when the file cannot be written; the
    // word stays accepted for this run.
    void addToDictionary(const QString &word);
    void ignore(const QString &word);

signals:
    // Words checked before may have another verdict now: check them again.
    void verdictsChanged();

private:
    std::unique_ptr<Speller> m_speller;
    QHash<QString, bool> m_verdicts;
    QStringList m_words;
    QSet<QString> m_accepted; // the user's words and the ignored ones
    QString m_wordsPath;
};
