#include "converter/bbcodeconverter.h"
#include "converter/conversiontrace.h"
#include "decorations/tagverdicts.h"
#include "randomposts.h"

#include "foundation/wuxoerror.h"
#include "thrownerror.h"

#include <QTest>

namespace {

const QString crlf = QStringLiteral("\r\n");

// "tag:verdict" for each tag: C converted, T left as text, F<n> fails with error n.
QString describe(const QString &post, const TagVerdicts &verdicts)
{
    QStringList parts;
    for (const TagVerdicts::Tag &tag : verdicts.tags()) {
        const QString text = post.mid(tag.start, tag.length);
        switch (tag.verdict) {
        case TagVerdicts::Verdict::Converted:
            parts.append(text + QStringLiteral(":C"));
            break;
        case TagVerdicts::Verdict::LeftAsText:
            parts.append(text + QStringLiteral(":T"));
            break;
        case TagVerdicts::Verdict::Fails:
            parts.append(text + QStringLiteral(":F%1").arg(tag.errorNumber));
            break;
        }
    }
    return parts.join(u' ');
}

QString messageAt(const TagVerdicts &verdicts, qsizetype start)
{
    for (const TagVerdicts::Tag &tag : verdicts.tags()) {
        if (tag.start == start)
            return tag.message;
    }
    return QStringLiteral("(no tag there)");
}

} // namespace

// The message is built only when the check fails: the corpus makes millions of checks.
#define CHECK(condition, what)                                                                     \
    do {                                                                                           \
        if (!(condition))                                                                          \
            QFAIL(qPrintable(where(what)));                                                        \
    } while (false)

class TestTagVerdicts : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("verdicts");
        QTest::newRow("a pair") << "[b]x[/b]"
                                << "[b]:C [/b]:C";
        QTest::newRow("capitals are converted") << "[B]x[/B]"
                                                << "[B]:C [/B]:C";
        QTest::newRow("mixed case is left as text") << "[Url]x[/Url]"
                                                    << "[Url]:T [/Url]:T";
        QTest::newRow("an opening without its closing") << "[i]x"
                                                        << "[i]:T";
        QTest::newRow("a closing with nothing to close") << "x[/u]"
                                                         << "[/u]:T";
        QTest::newRow("a closing before its opening") << "[/b][b]"
                                                      << "[/b]:T [b]:T";
        QTest::newRow("values") << "[font=Courier]x[/font] [url=http://a]b[/url]"
                                << "[font=Courier]:C [/font]:C [url=http://a]:C [/url]:C";
        QTest::newRow("a plain link") << "[url]http://a[/url]"
                                      << "[url]:C [/url]:C";
        QTest::newRow("a list") << "[list]" + crlf + "[*]one" + crlf + "[/list]"
                                << "[list]:C [*]:C [/list]:C";
        QTest::newRow("an item outside a list") << "[*]one" + crlf << "[*]:T";
        QTest::newRow("a list on one line fails") << "[list][*]one[/list]"
                                                  << "[list]:C [*]:F5 [/list]:C";
        QTest::newRow("a size that is no number fails") << "[size=big]x[/size]"
                                                        << "[size=big]:F13 [/size]:T";
        QTest::newRow("a size out of range fails") << "[size=32761]x[/size]"
                                                   << "[size=32761]:F6 [/size]:T";
        QTest::newRow("a value without its ] fails") << "[color=red x[/color]"
                                                     << "[color=:F5 [/color]:T";
        QTest::newRow("a link without its ] fails") << "[url=page.html[/url]"
                                                    << "[url=:F5 [/url]:T";
        QTest::newRow("later tags after a failure still have verdicts")
            << "[size=big]x[/size] [b]y[/b] [I]"
            << "[size=big]:F13 [/size]:T [b]:C [/b]:C [I]:T";
        QTest::newRow("no tags") << "plain [post] text"
                                 << "";
    }

    void verdicts()
    {
        QFETCH(QString, post);
        QFETCH(QString, verdicts);
        QCOMPARE(describe(post, TagVerdicts::analyse(post)), verdicts);
    }

    void messagesSayWhatThePreviewDoes_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("message");
        QTest::newRow("mixed case")
            << "[Url]x[/url]" << 0 << "[Url] is left as text: write [URL] or [url].";
        QTest::newRow("one-line list")
            << "[list][*]one[/list]" << 6
            << "This list item needs a line break after it, or the preview fails (error 5). "
               "End the item's line before [/list].";
        QTest::newRow("unclosed")
            << "[quote]x" << 0
            << "[quote] is left as text: the preview pairs no [/quote] after it with it. "
               "Add [/quote] where the text ends.";
        QTest::newRow("size") << "[size=big]x[/size]" << 0
                              << "The preview fails (error 13): the size \"big\" is not a number. "
                                 "Write a whole number, like [size=12].";
    }

    void messagesSayWhatThePreviewDoes()
    {
        QFETCH(QString, post);
        QFETCH(int, start);
        QFETCH(QString, message);
        QCOMPARE(messageAt(TagVerdicts::analyse(post), start), message);
    }

    void theTraceDoesNotChangeTheConversion()
    {
        const QString post = "[url]a[url]b[/url][/url] [size=3]x[/size] [b]y[/b]" + crlf;
        ConversionTrace trace;
        QCOMPARE(ConvertPostToHtml(post, htmlLengthLimit(post.size()), trace),
                 ConvertPostToHtml(post));
        QCOMPARE(trace.errorNumber, 0);
    }

    // Every verdict checked against what the real conversion does with the post.
    void verdictsAgreeWithTheConversionOnRandomPosts()
    {
        Random random(20240611);
        int converted = 0;
        int failed = 0;
        int leftAsText = 0;
        for (int i = 0; i < 30000; ++i) {
            const QString post = randomPost(random);
            const auto where = [&](const QString &what) {
                return QStringLiteral("post #%1 \"%2\": %3")
                    .arg(i)
                    .arg(QString(post)
                             .replace(QStringLiteral("\r"), QStringLiteral("\\r"))
                             .replace(QStringLiteral("\n"), QStringLiteral("\\n")),
                         what);
            };
            const TagVerdicts verdicts = TagVerdicts::analyse(post);
            QString html;
            const int error = errorNumberOf([&] { html = ConvertPostToHtml(post); });
            CHECK(verdicts.errorNumber() == error,
                  QStringLiteral("error %1, shown %2").arg(error).arg(verdicts.errorNumber()));
            if (error) {
                ++failed;
                for (const TagVerdicts::Tag &tag : verdicts.tags()) {
                    if (tag.start == verdicts.errorPosition())
                        CHECK(tag.verdict == TagVerdicts::Verdict::Fails
                                  && tag.errorNumber == error,
                              QStringLiteral("the failing tag shows no failure"));
                }
                continue;
            }
            ++converted;
            // The trace names, for each character of the real HTML, the
            // character of the post it is: the same one, in the tags' lower case.
            ConversionTrace trace;
            QCOMPARE(ConvertPostToHtml(post, htmlLengthLimit(post.size()), trace), html);
            QCOMPARE(qsizetype(trace.origin.size()), html.size());
            for (qsizetype q = 0; q < html.size(); ++q) {
                const qsizetype origin = trace.origin[size_t(q)];
                if (origin >= 0)
                    CHECK(html.at(q).toLower() == post.at(origin).toLower(),
                          QStringLiteral("character %1").arg(q));
                else
                    CHECK(html.at(q) != u'[', QStringLiteral("a written \"[\" at %1").arg(q));
            }
            std::vector<std::vector<qsizetype>> copiesOf(size_t(post.size()));
            for (qsizetype q = 0; q < html.size(); ++q) {
                if (trace.origin[size_t(q)] >= 0)
                    copiesOf[size_t(trace.origin[size_t(q)])].push_back(q);
            }
            for (const TagVerdicts::Tag &tag : verdicts.tags()) {
                const QString text = post.mid(tag.start, tag.headLength);
                const std::vector<qsizetype> &copies = copiesOf[size_t(tag.start)];
                if (tag.verdict == TagVerdicts::Verdict::Converted) {
                    CHECK(copies.empty(),
                          text + QStringLiteral(" marked converted stays in the page"));
                } else {
                    CHECK(tag.verdict == TagVerdicts::Verdict::LeftAsText,
                          text + QStringLiteral(" fails"));
                    CHECK(!copies.empty(), text + QStringLiteral(" marked as text is gone"));
                    ++leftAsText;
                    for (const qsizetype q : copies)
                        CHECK(html.mid(q, text.size()).compare(text, Qt::CaseInsensitive) == 0,
                              text + QStringLiteral(" marked as text is changed: ")
                                  + html.mid(q, text.size()));
                }
            }
        }
        QVERIFY2(converted > 3000 && failed > 600 && leftAsText > 3000,
                 qPrintable(QStringLiteral("%1 converted, %2 failed, %3 tags as text")
                                .arg(converted)
                                .arg(failed)
                                .arg(leftAsText)));
    }
};

QTEST_GUILESS_MAIN(TestTagVerdicts)
#include "tst_tagverdicts.moc"
