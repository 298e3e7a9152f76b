#include "conversionoutcome.h"
#include "converter/bbcodeconverter.h"
#include "randomposts.h"

#include "foundation/wuxoerror.h"
#include "thrownerror.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdint>
#include <optional>

namespace {

const QString crlf = QStringLiteral("\r\n");

const QString codeOpening = QStringLiteral(
    "<!--c1--></div><table border='0' align='center' width='95%' cellpadding='3' cellspacing='1'>"
    "<tr><td><b>CODE</b> </td></tr><tr><td id='CODE'><!--ec1-->");
const QString codeClosing
    = QStringLiteral("<!--c2--></td></tr></table><div class='postcolor'><!--ec2-->");
const QString quoteOpening = QStringLiteral(
    "<!--QuoteBegin--></div><table border='0' align='center' width='95%' cellpadding='3' "
    "cellspacing='1'><tr><td><b>QUOTE</b> </td></tr><tr><td id='QUOTE'><!--QuoteEBegin-->");
const QString quoteClosing
    = QStringLiteral("<!--QuoteEnd--></td></tr></table><div class='postcolor'><!--QuoteEEnd-->");

QString visible(const QString &text)
{
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    return shown;
}

// The shortest post (by deleting stretches of it) on which the two converters
// still disagree.
QString shrunk(QString post, qsizetype limit)
{
    const auto differs = [limit](const QString &candidate) {
        return realOutcome(candidate, limit) != naiveOutcome(candidate, limit);
    };
    for (qsizetype width = post.size() / 2; width >= 1;) {
        bool removedAny = false;
        for (qsizetype at = 0; at + width <= post.size();) {
            const QString candidate = post.left(at) + post.mid(at + width);
            if (differs(candidate)) {
                post = candidate;
                removedAny = true;
            } else {
                at += width;
            }
        }
        if (!removedAny)
            width /= 2;
    }
    return post;
}

} // namespace

class TestBBCodeConverter : public QObject
{
    Q_OBJECT

private slots:
    void convertsPosts_data();
    void convertsPosts();
    void failures_data();
    void failures();
    void nestedPlainLinksStopAtTheLengthLimit();
    void agreesWithStraightforwardConversionOnRandomPosts();
    void agreesWithStraightforwardConversionOnLongPosts();
};

void TestBBCodeConverter::convertsPosts_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<QString>("html");

    QTest::newRow("lower and upper case tags") << "[b]bold[/b] and [B]BOLD[/B]"
                                               << "<b>bold</b> and <b>BOLD</b>";
    QTest::newRow("each tag is normalised on its own") << "[B]x[/b]"
                                                       << "<b>x</b>";
    QTest::newRow("unknown names stay") << "[Bold] [bX] [Url]x[/Url]"
                                        << "[Bold] [bX] [Url]x[/Url]";
    QTest::newRow("unclosed tag stays") << "[b]never closed"
                                        << "[b]never closed";
    QTest::newRow("closing tag alone stays") << "[/b] alone"
                                             << "[/b] alone";
    QTest::newRow("colour") << "[color=red]a[/color]"
                            << "<span style='color:red'>a</span>";
    QTest::newRow("font") << "[font=Courier]a[/font]"
                          << "<span style='font-family:Courier'>a</span>";
    QTest::newRow("size 7 is 14pt") << "[size=7]a[/size]"
                                    << "<span style='font-size:14pt;line-height:100%'>a</span>";
    QTest::newRow("size 40 is capped at 30pt")
        << "[size=40]a[/size]"
        << "<span style='font-size:30pt;line-height:100%'>a</span>";
    QTest::newRow("negative size has no lower limit")
        << "[size=-20]a[/size]"
        << "<span style='font-size:-13pt;line-height:100%'>a</span>";
    QTest::newRow("size halves round to even")
        << "[size=2.5]a[/size][size=3.5]b[/size]"
        << "<span style='font-size:9pt;line-height:100%'>a</span>"
           "<span style='font-size:11pt;line-height:100%'>b</span>";
    QTest::newRow("largest size value") << "[size=32760]a[/size]"
                                        << "<span style='font-size:30pt;line-height:100%'>a</span>";
    QTest::newRow("value tag without closing tag stays") << "[color=red]a"
                                                         << "[color=red]a";
    QTest::newRow("value holding a tag is searched again")
        << "[color=[color=red]a[/color]b]c[/color]"
        << "<span style='color:<span style='color:red'>a</span>b'>c</span>";
    QTest::newRow("nested tags of one name stay balanced") << "[b]a[b]b[/b]c[/b]"
                                                           << "<b>a<b>b</b>c</b>";
    QTest::newRow("crossed tags stay crossed") << "[b]a[i]b[/b]c[/i]"
                                               << "<b>a<i>b</b>c</i>";
    QTest::newRow("link with address") << "[url=page.html]here[/url]"
                                       << "<a href='page.html' target='_blank'>here</a>";
    QTest::newRow("link without address") << "[url]page.html[/url]"
                                          << "<a href='page.html' target='_blank'>page.html</a>";
    QTest::newRow("mail") << "[email]name[/email]"
                          << "<a href='mailto:name'>name</a>";
    QTest::newRow("mail with address") << "[email=name]write[/email]"
                                       << "<a href='mailto:name'>write</a>";
    QTest::newRow("empty mail tag") << "[email[/email]"
                                    << "<a href='mailto:'></a>";
    QTest::newRow("nested plain links copy the inner one")
        << "[url][url]x[/url][/url]"
        << "<a href='<a href='x' target='_blank'>[url]x</a>' target='_blank'>x' "
           "target='_blank'>[url]x</a></a>";
    QTest::newRow("image") << "[img]pic.png[/img]"
                           << "<img src='pic.png' border='0' alt='user posted image' />";
    QTest::newRow("list written by the list command")
        << "[LIST]" + crlf + "[*]one" + crlf + "[*]two" + crlf + "[/LIST]"
        << "<ul><li>one</li><li>two</li></ul>";
    QTest::newRow("text before the first item stays in the list")
        << "[list]intro" + crlf + "[*]one" + crlf + "[/list]"
        << "<ul>intro<br /><li>one</li></ul>";
    QTest::newRow("code block keeps its line breaks as <br />")
        << "[code]a" + crlf + "b[/code]" << codeOpening + "a<br />b" + codeClosing;
    QTest::newRow("tags inside a quote are converted")
        << "[quote][b]x[/b][/quote]" << quoteOpening + "<b>x</b>" + quoteClosing;
    QTest::newRow("HTML typed in the post is not escaped") << "<i>raw</i> & \"q\""
                                                           << "<i>raw</i> & \"q\"";
    QTest::newRow("lone CR and LF are not line breaks") << "a\rb\nc"
                                                        << "a\rb\nc";
    QTest::newRow("empty post") << ""
                                << "";
}

void TestBBCodeConverter::convertsPosts()
{
    QFETCH(QString, post);
    QFETCH(QString, html);
    QCOMPARE(ConvertPostToHtml(post), html);
}

void TestBBCodeConverter::failures_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("detail");

    QTest::newRow("size that is not a number")
        << "[size=big]a[/size]" << 13 << "the [size] value \"big\" is not a number";
    QTest::newRow("size above 32760") << "[size=32761]a[/size]" << 6 << "out of range";
    QTest::newRow("size outside 16 bits") << "[size=-40000]a[/size]" << 6 << "out of range";
    QTest::newRow("closing tag before the opening tag")
        << "[/color] [color=red]a" << 5 << "[color=...] tag without a closing tag after it";
    QTest::newRow("value running into its closing tag")
        << "[font=Arial a[/font]" << 5 << "[font=...] tag without a closing tag after it";
    QTest::newRow("value without ]") << "[/size][size=7" << 5 << "[size= tag without a \"]\"";
    QTest::newRow("link address without ]")
        << "[url=page.html[/url]" << 5 << "[url= tag without a \"]\"";
    QTest::newRow("empty [url tag") << "[url[/url]" << 5 << "[url directly followed by [/url]";
    QTest::newRow("list on one line")
        << "[list][*]one[/list]" << 5 << "list item [*] without a line break";
    QTest::newRow("item after the last line break")
        << "[list]" + crlf + "[*]one" + crlf + "[*]two[/list]" << 5 << "list item";
}

void TestBBCodeConverter::failures()
{
    QFETCH(QString, post);
    QFETCH(int, number);
    QFETCH(QString, detail);
    const std::optional<WuxoError> error = errorOf([&] { ConvertPostToHtml(post); });
    QVERIFY2(error, "the post was converted");
    QCOMPARE(error->number(), number);
    QVERIFY2(error->description().startsWith(WuxoError::standardDescription(number) + ": "),
             qPrintable(error->description()));
    QVERIFY2(error->description().contains(detail), qPrintable(error->description()));
}

// Each plain link around another copies it twice, so forty of them would ask
// for a trillion characters: the conversion stops at the limit instead.
void TestBBCodeConverter::nestedPlainLinksStopAtTheLengthLimit()
{
    const QString post
        = QStringLiteral("[url]").repeated(40) + "x" + QStringLiteral("[/url]").repeated(40);
    QCOMPARE(errorNumberOf([&] { ConvertPostToHtml(post); }), ErrorNumber::OutOfMemory);
    const QString shallow
        = QStringLiteral("[url]").repeated(8) + "x" + QStringLiteral("[/url]").repeated(8);
    const Outcome naive = naiveOutcome(shallow, htmlLengthLimit(shallow.size()));
    QVERIFY(naive.html);
    QCOMPARE(realOutcome(shallow, htmlLengthLimit(shallow.size())), naive);
}

void TestBBCodeConverter::agreesWithStraightforwardConversionOnRandomPosts()
{
    // A small limit, so that nested plain links reach it now and then.
    constexpr qsizetype limit = 1000;
    Random random(20240611);
    int converted = 0;
    int failed = 0;
    for (int i = 0; i < 100000; ++i) {
        const QString post = randomPost(random);
        const Outcome real = realOutcome(post, limit);
        const Outcome naive = naiveOutcome(post, limit);
        if (real != naive) {
            const QString smallest = shrunk(post, limit);
            QFAIL(qPrintable(QStringLiteral("post #%1 \"%2\"\nsmallest post that differs: \"%3\"\n"
                                            "converter: %4\nexpected:  %5")
                                 .arg(i)
                                 .arg(visible(post), visible(smallest),
                                      visible(realOutcome(smallest, limit).toString()),
                                      visible(naiveOutcome(smallest, limit).toString()))));
        }
        real.html ? ++converted : ++failed;
    }
    // The corpus must exercise both paths, or the comparison proves little.
    QVERIFY2(converted > 10000 && failed > 2000,
             qPrintable(QStringLiteral("%1 converted, %2 failed").arg(converted).arg(failed)));
}

void TestBBCodeConverter::agreesWithStraightforwardConversionOnLongPosts()
{
    constexpr qsizetype limit = 30000;
    Random random(7);
    for (int i = 0; i < 20; ++i) {
        QString post;
        // Long posts are mostly well formed: pieces that would fail are left
        // out, until a post ends in a way that makes every further piece fail.
        for (int rejected = 0; post.size() < 3000 && rejected < 200;) {
            const QString piece = randomPost(random);
            if (realOutcome(post + piece, limit).html) {
                post += piece;
                rejected = 0;
            } else {
                ++rejected;
            }
        }
        const Outcome naive = naiveOutcome(post, limit);
        QVERIFY(naive.html);
        QCOMPARE(realOutcome(post, limit).toString(), naive.toString());
    }
}

QTEST_GUILESS_MAIN(TestBBCodeConverter)
#include "tst_bbcodeconverter.moc"
