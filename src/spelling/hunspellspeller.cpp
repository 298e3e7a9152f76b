#include "hunspellspeller.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

namespace {

// Hunspell's names for the encodings that the converters know by another name.
QByteArray converterName(const std::string &dictionaryEncoding)
{
    const QByteArray name = QByteArray::fromStdString(dictionaryEncoding).trimmed();
    if (name.compare("microsoft-cp1251", Qt::CaseInsensitive) == 0)
        return "windows-1251";
    return name.isEmpty() ? QByteArray("ISO8859-1") : name;
}

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

constexpr char16_t typographicApostrophe = u'\u2019';

} // namespace

HunspellSpeller::~HunspellSpeller() = default;

std::unique_ptr<HunspellSpeller> HunspellSpeller::load(const QString &affPath,
                                                       const QString &dicPath)
{
    if (!readable(affPath) || !readable(dicPath))
        return nullptr;
    std::unique_ptr<HunspellSpeller> speller(new HunspellSpeller);
    speller->m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                                     QFile::encodeName(dicPath).constData());
    const QByteArray encoding = converterName(speller->m_hunspell->get_dict_encoding());
    speller->m_encoder = QStringEncoder(encoding.constData(), QStringConverter::Flag::Stateless);
    speller->m_decoder = QStringDecoder(encoding.constData(), QStringConverter::Flag::Stateless);
    if (!speller->m_encoder.isValid() || !speller->m_decoder.isValid())
        return nullptr;
    return speller;
}

QString HunspellSpeller::encoding() const
{
    return QString::fromStdString(m_hunspell->get_dict_encoding());
}

bool HunspellSpeller::encode(const QString &word, std::string &encoded)
{
    QByteArray bytes = m_encoder.encode(word);
    if (m_decoder.decode(bytes) != word) {
        // A dictionary in an 8-bit encoding writes the apostrophe plainly.
        if (!word.contains(typographicApostrophe))
            return false;
        QString plain = word;
        plain.replace(typographicApostrophe, u'\'');
        bytes = m_encoder.encode(plain);
        if (m_decoder.decode(bytes) != plain)
            return false;
    }
    encoded = bytes.toStdString();
    return true;
}

bool HunspellSpeller::isCorrect(const QString &word)
{
    std::string encoded;
    return encode(word, encoded) && m_hunspell->spell(encoded);
}

QStringList HunspellSpeller::suggestions(const QString &word)
{
    std::string encoded;
    if (!encode(word, encoded))
        return {};
    const bool typographic = word.contains(typographicApostrophe);
    QStringList found;
    for (const std::string &suggestion : m_hunspell->suggest(encoded)) {
        QString decoded = m_decoder.decode(QByteArray::fromStdString(suggestion));
        // The suggestion writes the apostrophe the way the word did.
        if (typographic)
            decoded.replace(u'\'', typographicApostrophe);
        found.append(decoded);
    }
    return found;
}

void HunspellSpeller::addWord(const QString &word)
{
    std::string encoded;
    if (encode(word, encoded))
        m_hunspell->add(encoded);
}
