#include "fieldrules.h"

#include "foundation/wuxoerror.h"

namespace {

constexpr QStringView httpWww = u"http://www";
constexpr QStringView http = u"http://";

void applyChange(const QList<FieldDefinition> &definitions, QStringList &texts, int index,
                 QList<WuxoError> &failures);

void setText(const QList<FieldDefinition> &definitions, QStringList &texts, int index,
             const QString &text, QList<WuxoError> &failures)
{
    // Like a text box, setting the same text again is no change.
    if (texts.at(index) == text)
        return;
    texts[index] = text;
    // The derived field's change is handled on its own: its failure ends only
    // its own rules, and the change that set it goes on.
    try {
        applyChange(definitions, texts, index, failures);
    } catch (const WuxoError &error) {
        failures.append(error);
    }
}

// Derivations end: a site name has no dot, so it names no further site, and a
// site address has no "/" after its host, so its own address is empty.
void applyChange(const QList<FieldDefinition> &definitions, QStringList &texts, int index,
                 QList<WuxoError> &failures)
{
    using namespace FieldRules;
    const FieldDefinition &changed = definitions.at(index);
    if (!changed.MultiLine && texts.at(index).contains(QStringLiteral("\r\n")))
        texts[index] = singleLineText(texts.at(index));
    if (changed.UrlPrefix)
        texts[index] = completedAddress(texts.at(index));

    const QString url = texts.at(index);
    for (qsizetype b = 0; b < definitions.size(); ++b) {
        const FieldDefinition &derived = definitions.at(b);
        if (derived.sourceNumber() - 1 != double(index))
            continue;
        if (hostStart(url) == 0)
            return;
        if (derived.DeriveKind == 1) {
            // Two changes, as typed: the name as found, then its capitalised form.
            if (const std::optional<QString> name = foundSiteName(url))
                setText(definitions, texts, int(b), *name, failures);
            setText(definitions, texts, int(b), capitalisedSiteName(texts.at(b)), failures);
        } else if (derived.DeriveKind == 2) {
            // The field is emptied first, so its own rules see that change too.
            setText(definitions, texts, int(b), QString(), failures);
            setText(definitions, texts, int(b), siteAddress(url), failures);
        }
    }
}

} // namespace

namespace FieldRules {

QString singleLineText(const QString &text)
{
    QString single = text;
    single.remove(QStringLiteral("\r\n"));
    return single;
}

QString completedAddress(const QString &text)
{
    return text == u"www" ? httpWww.toString() : text;
}

int hostStart(const QString &url)
{
    if (url.startsWith(httpWww))
        return int(httpWww.size()) + 1;
    if (url.startsWith(http))
        return int(http.size()) + 1;
    return 0;
}

QString capitalisedSiteName(const QString &name)
{
    if (name.size() <= 3)
        return name.toUpper();
    return name.left(1).toUpper() + name.mid(1);
}

std::optional<QString> foundSiteName(const QString &url)
{
    if (hostStart(url) == 0)
        return std::nullopt;
    const int start = hostStart(url) - 1; // 0-based
    const qsizetype firstDot = url.indexOf(u'.', start);
    if (firstDot < 0)
        return std::nullopt;
    const qsizetype secondDot = url.indexOf(u'.', firstDot + 1);
    if (secondDot >= 0 && start == int(httpWww.size()))
        return url.mid(firstDot + 1, secondDot - firstDot - 1);
    return url.mid(start, firstDot - start);
}

QString siteAddress(const QString &url)
{
    if (hostStart(url) == 0)
        return QString();
    const qsizetype slash = url.indexOf(u'/', hostStart(url) - 1);
    return slash < 0 ? QString() : url.left(slash);
}

QList<WuxoError> applyChange(const QList<FieldDefinition> &definitions, QStringList &texts,
                             int index)
{
    QList<WuxoError> failures;
    try {
        ::applyChange(definitions, texts, index, failures);
    } catch (const WuxoError &error) {
        failures.append(error);
    }
    return failures;
}

} // namespace FieldRules
