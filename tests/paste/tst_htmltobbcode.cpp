#include "converter/bbcodeconverter.h"
#include "fakes.h"
#include "foundation/wuxoerror.h"
#include "paste/htmltobbcode.h"
#include "thrownerror.h"

#include <QTest>

namespace {

const QString zwsp = QString(QChar(0x200B));

QString lines(const QStringList &parts)
{
    return parts.join(QStringLiteral("\r\n"));
}

} // namespace

class TestHtmlToBBCode : public QObject
{
    Q_OBJECT
private slots:
    void pages_data();
    void pages();
    void everyResultConverts_data();
    void everyResultConverts();
    void tagAddress_data();
    void tagAddress();
    void pasteTextPrefersTheHtml();
};

void TestHtmlToBBCode::pages_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("expected");

    const QString news = QStringLiteral("https://news.example/world/2026/story.html");

    QTest::newRow("news paragraph with links, relative ones made absolute")
        << QStringLiteral(
               "<p>The <b>council</b> voted on <a href=\"/votes/17\">the plan</a> "
               "(<a href=\"https://news.example/votes/17\">https://news.example/votes/17</a>)."
               "</p><p>More at <a href=\"../../sport/\">Sport</a>.</p>")
        << news
        << lines({QStringLiteral("The [B]council[/B] voted on "
                                 "[URL=https://news.example/votes/17]the plan[/URL] "
                                 "([URL]https://news.example/votes/17[/URL])."),
                  QString(),
                  QStringLiteral("More at [URL=https://news.example/sport/]Sport[/URL].")});
    QTest::newRow("relative link kept as written without the page's address")
        << QStringLiteral("<a href=\"/votes/17\">the plan</a> and <a href=\"#top\">top</a>")
        << QString() << QStringLiteral("[URL=/votes/17]the plan[/URL] and top");
    QTest::newRow("forum quote with a nested quote and text after it")
        << QStringLiteral("<p>Earlier:</p><blockquote class=\"quote\" style=\"margin:0\">"
                          "<p>I said <i>this</i>.</p><blockquote>first post</blockquote>"
                          "and that</blockquote><p>Reply</p>")
        << QString()
        << lines({QStringLiteral("Earlier:"), QString(),
                  QStringLiteral("[QUOTE]I said [I]this[/I]."), QString(),
                  QStringLiteral("[QUOTE]first post[/QUOTE]"), QString(),
                  QStringLiteral("and that[/QUOTE]"), QString(), QStringLiteral("Reply")});
    QTest::newRow("two quotes in a row stay two")
        << QStringLiteral("<blockquote>one</blockquote><blockquote>two</blockquote>") << QString()
        << lines({QStringLiteral("[QUOTE]one[/QUOTE]"), QString(),
                  QStringLiteral("[QUOTE]two[/QUOTE]")});
    QTest::newRow("bulleted list inside a paragraph")
        << QStringLiteral("<p>Bring:<ul><li>a <b>tent</b></li><li>water<br>lots</li></ul>"
                          "and go.</p>")
        << QString()
        << lines({QStringLiteral("Bring:"), QString(), QStringLiteral("[LIST]"),
                  QStringLiteral("[*]a [B]tent[/B]"), QStringLiteral("[*]water lots"),
                  QStringLiteral("[/LIST]"), QString(), QStringLiteral("and go.")});
    QTest::newRow("numbered and nested lists")
        << QStringLiteral("<ol><li>first<ul><li>inner</li></ul></li><li>second</li></ol>")
        << QString()
        << lines({QStringLiteral("[LIST]"), QStringLiteral("[*]first"), QStringLiteral("[LIST]"),
                  QStringLiteral("[*]inner"), QStringLiteral("[/LIST]"),
                  QStringLiteral("[*]second"), QStringLiteral("[/LIST]")});
    QTest::newRow("nested bold and italic stay nested")
        << QStringLiteral("<b>bold <i>both</i></b><i> italic</i> <strong>x</strong>"
                          "<em>y</em><u>z</u>")
        << QString()
        << QStringLiteral("[B]bold [I]both[/I][/B] [I]italic[/I] [B]x[/B][I]y[/I][U]z[/U]");
    QTest::newRow("image inside a link, image alone")
        << QStringLiteral("<a href=\"http://pics.example/big.jpg\"><img src=\"small.jpg\"></a>"
                          "<img src=\"http://pics.example/logo.png\" alt=\"logo\">"
                          "<img src=\"data:image/png;base64,iVBORw0KGgo=\">")
        << QStringLiteral("http://pics.example/album/")
        << QStringLiteral(
               "[URL=http://pics.example/big.jpg][IMG]http://pics.example/album/small.jpg"
               "[/IMG][/URL][IMG]http://pics.example/logo.png[/IMG]");
    QTest::newRow("code sample keeps its indentation and empty lines")
        << QStringLiteral("<p>Try:</p><pre>int main()\n{\n\n    return [0];\n}\n</pre><p>Done.</p>")
        << QString()
        << lines({QStringLiteral("Try:"), QString(), QStringLiteral("[CODE]int main()"),
                  QStringLiteral("{"), QString(), QStringLiteral("    return [0];"),
                  QStringLiteral("}[/CODE]"), QString(), QStringLiteral("Done.")});
    QTest::newRow("code paragraph and inline code")
        << QStringLiteral("<p><code>make install</code></p><p>then run <code>wuxo</code></p>")
        << QString()
        << lines({QStringLiteral("[CODE]make install[/CODE]"), QString(),
                  QStringLiteral("then run [FONT=Courier]wuxo[/FONT]")});
    QTest::newRow("non-ASCII text and entities")
        << QStringLiteral("<p>Caf&eacute; &amp; cr&#232;me &lt;b&gt; &#x263A; "
                          "\u65E5\u672C&nbsp;&ndash; &quot;q&quot;</p>")
        << QString()
        << QStringLiteral("Caf\u00E9 & cr\u00E8me <b> \u263A \u65E5\u672C \u2013 \"q\"");
    QTest::newRow("page with scripts, styles, comments, forms and a table")
        << QStringLiteral("<html><head><title>T</title><style>.x{font-weight:bold}</style>"
                          "<script>document.write('no')</script></head><body>"
                          "<!-- hidden --><p>Text</p><form><input value=\"v\">"
                          "<button>Send</button></form>"
                          "<table><tr><td>c1</td><td>c2</td></tr></table></body></html>")
        << QString()
        << lines({QStringLiteral("Text"), QString(), QStringLiteral("Send"), QStringLiteral("c1"),
                  QStringLiteral("c2")});
    QTest::newRow("explicit font, size and colour; the page's usual look takes no tags")
        << QStringLiteral("<div style=\"color:#333333;font-family:Verdana;font-size:16px\">"
                          "Plain text that is most of the post, "
                          "<span style=\"color:red\">red</span> "
                          "<span style=\"color:#1a2b3c\">dark</span> "
                          "<span style=\"font-family:'Comic Sans MS', cursive\">comic</span> "
                          "<span style=\"font-size:10px\">small</span> "
                          "<span style=\"font-size:20px\">large</span> "
                          "<font size=\"7\">largest</font></div>")
        << QString()
        << QStringLiteral("Plain text that is most of the post, [COLOR=red]red[/COLOR] "
                          "[COLOR=#1a2b3c]dark[/COLOR] [FONT=Comic Sans MS]comic[/FONT] "
                          "[SIZE=1]small[/SIZE] [SIZE=7]large[/SIZE] [SIZE=14]largest[/SIZE]");
    QTest::newRow("mail links")
        << QStringLiteral("<a href=\"mailto:ann@example.org\">ann@example.org</a> or "
                          "<a href=\"mailto:bob@example.org?subject=Hi\">Bob</a>")
        << QString()
        << QStringLiteral("[EMAIL]ann@example.org[/EMAIL] or [EMAIL=bob@example.org]Bob[/EMAIL]");
    QTest::newRow("links that lead nowhere keep their text")
        << QStringLiteral("<a href=\"javascript:alert(1)\">run</a> <a name=\"n\">anchor</a>")
        << QString() << QStringLiteral("run anchor");
    QTest::newRow("\"]\" and quotes in addresses are encoded")
        << QStringLiteral("<a href=\"http://x.example/a[1]?q='b'\">x</a>") << QString()
        << QStringLiteral("[URL=http://x.example/a%5B1%5D?q=%27b%27]x[/URL]");
    QTest::newRow("text that reads as tags is guarded")
        << QStringLiteral("<p>Write [b]bold[/b], [URL=x]y[/url] and [*] or [list]; "
                          "[bold] and [ok] stay</p>")
        << QString()
        << QStringLiteral("Write [") + zwsp + QStringLiteral("b]bold[") + zwsp
            + QStringLiteral("/b], [") + zwsp + QStringLiteral("URL=x]y[") + zwsp
            + QStringLiteral("/url] and [") + zwsp + QStringLiteral("*] or [") + zwsp
            + QStringLiteral("list]; [bold] and [ok] stay");
    QTest::newRow("line breaks and empty paragraphs: at most one empty line")
        << QStringLiteral("<div>a<br>b<br><br><br><br>c</div><div><br></div><div><br></div>"
                          "<p>&nbsp;</p><p>d</p>")
        << QString()
        << lines({QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("c"),
                  QString(), QStringLiteral("d")});
    QTest::newRow("formatting across a line break, link across formats")
        << QStringLiteral("<b>one<br>two</b> <a href=\"http://l.example/\">go <b>now</b></a>")
        << QString()
        << lines({QStringLiteral("[B]one"),
                  QStringLiteral("two[/B] [URL=http://l.example/]go [B]now[/B][/URL]")});
    QTest::newRow("heading is bold")
        << QStringLiteral("<h2>Title</h2><p>body</p>") << QString()
        << lines({QStringLiteral("[B]Title[/B]"), QString(), QStringLiteral("body")});
    QTest::newRow("list inside a quote")
        << QStringLiteral("<blockquote><ul><li>x</li></ul></blockquote>") << QString()
        << lines({QStringLiteral("[QUOTE][LIST]"), QStringLiteral("[*]x"),
                  QStringLiteral("[/LIST][/QUOTE]")});
    QTest::newRow("nothing to write")
        << QStringLiteral("<script>x()</script><img src=\"\">") << QString() << QString();
}

void TestHtmlToBBCode::pages()
{
    QFETCH(QString, html);
    QFETCH(QString, page);
    QFETCH(QString, expected);
    const QString post = HtmlToBBCode(QUrl(page)).convert(html);
    QCOMPARE(post, expected);
    QCOMPARE(errorNumberOf([&] { ConvertPostToHtml(post); }), ErrorNumber::None);
}

void TestHtmlToBBCode::everyResultConverts_data()
{
    pages_data();
    // Shapes whose exact text matters less than that the preview takes them.
    QTest::newRow("stray closing tags and tag-like text around real formatting")
        << QStringLiteral("[/color][/size][/font] <span style=\"color:red\">r</span> "
                          "<font size=\"1\">s</font> [url=<b>x</b> [email <i>[img]</i> "
                          "[code] [quote][/list]<ul><li>[*] a</li><li>[list]</li></ul>")
        << QString() << QString();
    QTest::newRow("deep nesting of lists, quotes and code")
        << QStringLiteral("<blockquote><ul><li>a<ol><li>b<ul><li>c</li></ul></li></ol></li>"
                          "<li>d<blockquote>e<pre>f\n[g]</pre></blockquote></li></ul>"
                          "</blockquote><pre>h</pre><pre>i</pre>")
        << QString() << QString();
    QTest::newRow("unclosed quote and closing without opening")
        << QStringLiteral("</blockquote>a<blockquote>b<blockquote>c") << QString() << QString();
    QTest::newRow("formats crossing blocks and links")
        << QStringLiteral("<b>a<i>b<a href=\"http://x/\">c</b>d</i>e</a><p>f<u>g</p>h</u>")
        << QString() << QString();
    QTest::newRow("image in a list item, link in code")
        << QStringLiteral("<ul><li><img src=\"http://p/q.png\"></li></ul>"
                          "<pre><a href=\"http://x/\">[url]</a></pre>")
        << QString() << QString();
    QTest::newRow("font names with brackets and quotes")
        << QStringLiteral("<span style=\"font-family:'a]b', x\">t</span> more text here")
        << QString() << QString();
}

void TestHtmlToBBCode::everyResultConverts()
{
    QFETCH(QString, html);
    QFETCH(QString, page);
    const QString post = HtmlToBBCode(QUrl(page)).convert(html);
    const int error = errorNumberOf([&] { ConvertPostToHtml(post); });
    QVERIFY2(error == ErrorNumber::None,
             qPrintable(QStringLiteral("error %1 for %2").arg(error).arg(post)));
}

void TestHtmlToBBCode::tagAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QStringLiteral("http://a.example/b?c=d#e")
                           << QStringLiteral("http://a.example/b?c=d#e");
    QTest::newRow("brackets, quotes, angle brackets, spaces")
        << QStringLiteral("http://a.example/[x] 'y' \"z\" <w>")
        << QStringLiteral("http://a.example/%5Bx%5D%20%27y%27%20%22z%22%20%3Cw%3E");
    QTest::newRow("non-ASCII stays readable") << QStringLiteral("https://de.example/M\u00FCnchen")
                                              << QStringLiteral("https://de.example/M\u00FCnchen");
}

void TestHtmlToBBCode::tagAddress()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(HtmlToBBCode::tagAddress(QUrl(address)), expected);
}

void TestHtmlToBBCode::pasteTextPrefersTheHtml()
{
    FakeClipboard clipboard;
    QVERIFY(!HtmlToBBCode::pasteText(clipboard));

    clipboard.copy(QStringLiteral("plain\nlines"));
    QCOMPARE(HtmlToBBCode::pasteText(clipboard).value_or(QStringLiteral("<nothing>")),
             QStringLiteral("plain\nlines"));

    clipboard.copy(QStringLiteral("see here"),
                   QStringLiteral("<b>see</b> <a href=\"here.html\">here</a>"),
                   QUrl(QStringLiteral("http://page.example/dir/index.html")));
    QCOMPARE(HtmlToBBCode::pasteText(clipboard).value_or(QStringLiteral("<nothing>")),
             QStringLiteral("[B]see[/B] [URL=http://page.example/dir/here.html]here[/URL]"));

    clipboard.copy(QStringLiteral("alt text"), QStringLiteral("<script>x</script>"));
    QCOMPARE(HtmlToBBCode::pasteText(clipboard).value_or(QStringLiteral("<nothing>")),
             QStringLiteral("alt text"));

    clipboard.copyWithoutText(QStringLiteral("<i>only html</i>"));
    QCOMPARE(HtmlToBBCode::pasteText(clipboard).value_or(QStringLiteral("<nothing>")),
             QStringLiteral("[I]only html[/I]"));
}

// The HTML importer needs the font database of a GUI application.
QTEST_MAIN(TestHtmlToBBCode)
#include "tst_htmltobbcode.moc"
