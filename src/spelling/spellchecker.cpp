#include "spellchecker.h"

#include "foundation/datafolder.h"
#include "foundation/textfile.h"
#include "speller.h"

SpellChecker::SpellChecker(QObject *parent) : QObject(parent) { }

SpellChecker::~SpellChecker() = default;

void SpellChecker::setSpeller(std::unique_ptr<Speller> speller)
{
    m_speller = std::move(speller);
    m_verdicts.clear();
    if (m_speller) {
        // The dictionary also takes the word's other letter cases ("Wuxo", "WUXO").
        for (const QString &word : std::as_const(m_words))
            m_speller->addWord(word);
    }
    emit verdictsChanged();
}

bool SpellChecker::isMisspelled(const QString &word)
{
    if (!m_speller || m_accepted.contains(word))
        return false;
    const auto known = m_verdicts.constFind(word);
    if (known != m_verdicts.cend())
        return !*known;
    const bool correct = m_speller->isCorrect(word);
    m_verdicts.insert(word, correct);
    return !correct;
}

QStringList SpellChecker::suggestions(const QString &word, int most)
{
    if (!m_speller)
        return {};
    QStringList found = m_speller->suggestions(word);
    found.removeAll(word);
    found.removeDuplicates();
    return found.mid(0, most);
}

void SpellChecker::readWords(const QString &path)
{
    m_wordsPath = path;
    QStringList words;
    if (FileExists(path)) {
        for (const QString &line : TextFile::readLines(path)) {
            const QString word = line.trimmed();
            if (!word.isEmpty() && !words.contains(word))
                words.append(word);
        }
    }
    m_words = words;
    m_accepted = QSet<QString>(m_words.cbegin(), m_words.cend());
    if (m_speller) {
        for (const QString &word : std::as_const(m_words))
            m_speller->addWord(word);
    }
    m_verdicts.clear();
    emit verdictsChanged();
}

void SpellChecker::addToDictionary(const QString &word)
{
    if (word.isEmpty() || m_words.contains(word))
        return;
    m_words.append(word);
    m_accepted.insert(word);
    if (m_speller)
        m_speller->addWord(word);
    m_verdicts.clear();
    emit verdictsChanged();
    if (!m_wordsPath.isEmpty())
        TextFile::writeAll(m_wordsPath, TextFile::joinLines(m_words) + TextFile::crlf);
}

void SpellChecker::ignore(const QString &word)
{
    if (word.isEmpty() || m_accepted.contains(word))
        return;
    m_accepted.insert(word);
    emit verdictsChanged();
}
