#include "postlength.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace PostLength {

qsizetype characters(QStringView post)
{
    qsizetype count = post.size();
    const QChar *data = post.data();
    for (qsizetype i = 0; i < post.size(); ++i) {
        // The second half of a surrogate pair and the LF of a CR LF add nothing.
        const char16_t c = data[i].unicode();
        if ((c >= 0xDC00 && c <= 0xDFFF && i > 0 && QChar::isHighSurrogate(data[i - 1].unicode()))
            || (c == u'\n' && i > 0 && data[i - 1] == u'\r'))
            --count;
    }
    return count;
}

QString caption(qsizetype characters, const QLocale &locale)
{
    const QString number = locale.toString(characters);
    if (characters == 1)
        return QCoreApplication::translate("PostLength", "%1 character").arg(number);
    // The count picks the plural form a language has for it; the number itself is grouped as the
    // locale writes it.
    const int count = int(std::min<qsizetype>(characters, std::numeric_limits<int>::max()));
    return QCoreApplication::translate("PostLength", "%1 characters", nullptr, count).arg(number);
}

QString captionWithLimit(qsizetype characters, qsizetype limit, const QLocale &locale)
{
    return QCoreApplication::translate("PostLength", "%1 of %2 characters")
        .arg(locale.toString(characters), locale.toString(limit));
}

QString overTheLimit(qsizetype over, const QLocale &locale)
{
    return QCoreApplication::translate("PostLength", "%1 over the limit")
        .arg(locale.toString(over));
}

} // namespace PostLength
