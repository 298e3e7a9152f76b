#pragma once

#include "foundation/conversions.h"
#include "foundation/wuxoerror.h"

#include <QString>
#include <QStringList>

// The conversion of a post done the slow, obvious way, to check the real
// converter against: positions count from 1, find() returns 0 for "not found",
// and every replacement builds the whole working text anew. The length limit
// is checked after every converted tag, as the real converter does.
class NaiveBBCodeConverter
{
public:
    explicit NaiveBBCodeConverter(qsizetype lengthLimit) : m_limit(lengthLimit) { }

    QString convert(const QString &post)
    {
        w = post;
        normalise();
        for (const QString &t :
             {QStringLiteral("font"), QStringLiteral("size"), QStringLiteral("color")})
            valueTags(t);
        for (const QString &t : {QStringLiteral("url"), QStringLiteral("email")})
            links(t);
        images();
        for (const QString &t : {QStringLiteral("quote"), QStringLiteral("code")})
            blocks(t);
        lists();
        for (const QString &t : {QStringLiteral("b"), QStringLiteral("i"), QStringLiteral("u")})
            simpleTags(t);
        w.replace(QStringLiteral("\r\n"), QStringLiteral("<br />"));
        checkLength();
        return w;
    }

private:
    qsizetype find(const QString &s, qsizetype p) const
    {
        if (p < 1)
            p = 1;
        if (p > w.size())
            return 0;
        return w.indexOf(s, p - 1) + 1;
    }
    static qsizetype findIn(const QString &text, const QString &s, qsizetype p)
    {
        if (p > text.size())
            return 0;
        return text.indexOf(s, p - 1) + 1;
    }
    void replace(qsizetype p, qsizetype n, const QString &s)
    {
        w = w.left(p - 1) + s + w.mid(p - 1 + n);
    }
    static void replaceIn(QString &text, qsizetype p, qsizetype n, const QString &s)
    {
        text = text.left(p - 1) + s + text.mid(p - 1 + n);
    }
    void checkLength() const
    {
        if (w.size() > m_limit)
            throw WuxoError(ErrorNumber::OutOfMemory);
    }

    void normalise()
    {
        const QStringList names = {"font",  "size", "color", "url", "email", "img",
                                   "quote", "code", "list",  "b",   "i",     "u"};
        for (const QString &t : names) {
            const QString T = t.toUpper();
            w.replace("[" + T + "=", "[" + t + "=");
            w.replace("[" + T + "]", "[" + t + "]");
            w.replace("[/" + T + "]", "[/" + t + "]");
        }
    }

    void valueTags(const QString &t)
    {
        const qsizetype L = t.size();
        qsizetype p = 1;
        for (;;) {
            const qsizetype o = find("[" + t + "=", p);
            if (o == 0)
                return;
            if (find("[/" + t + "]", p) == 0) {
                p = o + L + 2;
                continue;
            }
            const qsizetype v = o + L + 2;
            const qsizetype r = find("]", v);
            if (r == 0)
                throw WuxoError(ErrorNumber::InvalidArgument);
            const QString value = w.mid(v - 1, r - v);
            QString style;
            if (t == "font") {
                style = "font-family:" + value;
            } else if (t == "color") {
                style = "color:" + value;
            } else {
                const int n = Conversions::toInteger(value);
                if (n > 32760)
                    throw WuxoError(ErrorNumber::Overflow);
                style = "font-size:" + QString::number(qMin(n + 7, 30)) + "pt;line-height:100%";
            }
            replace(o, r - o + 1, "<span style='" + style + "'>");
            const qsizetype e = find("[/" + t + "]", v);
            if (e == 0)
                throw WuxoError(ErrorNumber::InvalidArgument);
            replace(e, L + 3, "</span>");
            checkLength();
            p = v;
        }
    }

    void links(const QString &t)
    {
        const qsizetype L = t.size();
        qsizetype p = 1;
        for (;;) {
            const qsizetype o = find("[" + t, p);
            if (o == 0)
                return;
            p = o;
            const qsizetype c = find("[/" + t + "]", p);
            if (c == 0) {
                p = p + 1;
                continue;
            }
            const QString chunk = w.mid(p - 1, c - p);
            QString address;
            QString label;
            if (chunk.size() >= L + 2 && chunk.at(L + 1) == u'=') {
                const qsizetype k = chunk.indexOf(u']') + 1;
                if (k == 0)
                    throw WuxoError(ErrorNumber::InvalidArgument);
                address = chunk.mid(L + 2, k - 1 - (L + 2));
                label = chunk.mid(k);
            } else {
                if (t == "url" && chunk == "[url")
                    throw WuxoError(ErrorNumber::InvalidArgument);
                address = chunk.mid(L + 2);
                label = address;
            }
            const QString replacement = t == "url"
                ? "<a href='" + address + "' target='_blank'>" + label
                : "<a href='mailto:" + address + "'>" + label;
            replace(p, c - p, replacement);
            const qsizetype e = find("[/" + t + "]", p);
            replace(e, L + 3, "</a>");
            checkLength();
        }
    }

    void images()
    {
        qsizetype p = 1;
        for (;;) {
            const qsizetype o = find("[img]", p);
            if (o == 0)
                return;
            p = o;
            if (find("[/img]", p) == 0) {
                p = p + 1;
                continue;
            }
            replace(p, 5, "<img src='");
            p = p + 9;
            const qsizetype e = find("[/img]", p);
            replace(e, 6, "' border='0' alt='user posted image' />");
            checkLength();
        }
    }

    void blocks(const QString &t)
    {
        const qsizetype L = t.size();
        const QString opening = t == "quote"
            ? "<!--QuoteBegin--></div><table border='0' align='center' width='95%' cellpadding='3' "
              "cellspacing='1'><tr><td><b>QUOTE</b> </td></tr><tr><td id='QUOTE'><!--QuoteEBegin-->"
            : "<!--c1--></div><table border='0' align='center' width='95%' cellpadding='3' "
              "cellspacing='1'><tr><td><b>CODE</b> </td></tr><tr><td id='CODE'><!--ec1-->";
        const QString closing = t == "quote"
            ? "<!--QuoteEnd--></td></tr></table><div class='postcolor'><!--QuoteEEnd-->"
            : "<!--c2--></td></tr></table><div class='postcolor'><!--ec2-->";
        qsizetype p = 1;
        for (;;) {
            const qsizetype o = find("[" + t + "]", p);
            if (o == 0)
                return;
            p = o;
            if (find("[/" + t + "]", p) == 0) {
                p = p + 1;
                continue;
            }
            replace(p, L + 2, opening);
            const qsizetype e = find("[/" + t + "]", p);
            replace(e, L + 3, closing);
            checkLength();
        }
    }

    void lists()
    {
        qsizetype p = 1;
        for (;;) {
            const qsizetype o = find("[list]", p);
            if (o == 0)
                return;
            p = o;
            const qsizetype c = find("[/list]", p);
            if (c == 0) {
                p = p + 1;
                continue;
            }
            const QString block = w.mid(p - 1, c - p);
            QString items
                = block.mid(6, 2) == "\r\n" ? "<ul>" + block.mid(8) : "<ul>" + block.mid(6);
            qsizetype m = 1;
            for (;;) {
                const qsizetype k = findIn(items, "[*]", m);
                if (k == 0)
                    break;
                m = k;
                replaceIn(items, m, 3, "<li>");
                const qsizetype n = findIn(items, "\r\n", m);
                if (n == 0)
                    throw WuxoError(ErrorNumber::InvalidArgument);
                replaceIn(items, n, 2, "</li>");
            }
            replace(p, c - p, items);
            const qsizetype e = find("[/list]", p);
            replace(e, 7, "</ul>");
            checkLength();
        }
    }

    void simpleTags(const QString &t)
    {
        qsizetype p = 1;
        for (;;) {
            const qsizetype o = find("[" + t + "]", p);
            if (o == 0)
                return;
            p = o;
            if (find("[/" + t + "]", p) == 0) {
                p = p + 1;
                continue;
            }
            replace(p, 3, "<" + t + ">");
            const qsizetype e = find("[/" + t + "]", p);
            replace(e, 4, "</" + t + ">");
            checkLength();
        }
    }

    QString w; // the working text
    qsizetype m_limit;
};
