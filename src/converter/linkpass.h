#pragma once

#include "positionqueue.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <queue>
#include <vector>

// Converts the [url] or [email] tags of a post. The search for the next tag
// starts again at the start of each link it has just written, whose address
// (written twice when the tag has no "=") may hold further tags. The text ahead
// of the search is a copy of the last such link, followed by the unread rest of
// the post; only a link without "=" copies anything, so the work stays in
// proportion to the text written.
class LinkPass
{
public:
    enum class Kind { Web, Mail };

    // Throws WuxoError 5 for the links that cannot be converted and 7 when the
    // working text would grow past lengthLimit characters.
    LinkPass(QStringView text, Kind kind, qsizetype lengthLimit);

    // Writes the converted text to out, reusing its memory. Returns false,
    // leaving out as it was, when there is nothing to convert.
    bool run(QString &out);

    // Has run() follow where each character of its result comes from: origin
    // holds an entry for each character of the text, resultOrigin receives one
    // for each character of the result (-1 for text the pass wrote), and
    // failedAt the entry of the link's opening tag when a link fails.
    void traceOrigins(const std::vector<qsizetype> *origin, std::vector<qsizetype> *resultOrigin,
                      qsizetype *failedAt);

private:
    // Origins go to toOrigin when origins are followed, and it is not null.
    void appendSource(QString &to, std::vector<qsizetype> *toOrigin, qsizetype from,
                      qsizetype until);
    void appendFront(QString &to, std::vector<qsizetype> *toOrigin, qsizetype from,
                     qsizetype until) const;
    void appendWritten(QStringView text);
    void blame(bool inFront) const;
    void convertWithAddress(bool inFront, qsizetype closing);
    void convertPlain(bool inFront, qsizetype closing);
    void grow(qsizetype delta);

    QStringView m_source;
    const Kind m_kind;
    const qsizetype m_nameLength;
    const qsizetype m_limit;
    const QStringView m_addressOpening;
    const QStringView m_labelOpening;

    QString *m_out = nullptr;
    qsizetype m_length;
    bool m_idle = false; // no opening tag has a closing tag after it

    // The post as the pass found it; m_read is where the search stands in it
    // once the front is used up. A dead "]" reads as the label opening, a dead
    // closing tag as "</a>"; both lie ahead of m_read, the nearest on top.
    std::vector<qsizetype> m_openings;
    size_t m_nextOpening = 0;
    PositionQueue m_closings;
    PositionQueue m_brackets;
    std::priority_queue<qsizetype, std::vector<qsizetype>, std::greater<>> m_sourceDead;
    qsizetype m_read = 0;

    // The last link written without "=", still to be searched from m_frontRead.
    QString m_front;
    qsizetype m_frontRead = 0;
    PositionQueue m_frontBrackets;
    std::vector<char> m_frontDead;

    const std::vector<qsizetype> *m_origin = nullptr;
    std::vector<qsizetype> *m_outOrigin = nullptr;
    std::vector<qsizetype> m_frontOrigin;
    qsizetype *m_failedAt = nullptr;
};
