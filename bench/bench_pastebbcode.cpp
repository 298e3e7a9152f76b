// Paste as BBCode with 1 MB of HTML on the clipboard, shaped like a copied web
// page: paragraphs with links and emphasis under inline styles (as browsers
// write them), lists, quotes and code. The whole paste (reading the HTML,
// writing the BBCode, inserting it into the editor and recording the change)
// must stay under 500 ms; the conversion alone is printed beside it.
#include "app/edithistory.h"
#include "foundation/platform.h"
#include "paste/htmltobbcode.h"
#include "widgets/editortext.h"

#include "benchtiming.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <cstdio>

namespace {

constexpr double targetMs = 500.0;
constexpr int runs = 7;

class PageClipboard : public Clipboard
{
public:
    explicit PageClipboard(const QString &html) : m_html(html) { }
    QString text() const override { return QStringLiteral("plain"); }
    bool hasText() const override { return true; }
    QString html() const override { return m_html; }
    QUrl sourceUrl() const override
    {
        return QUrl(QStringLiteral("https://news.example/a/b.html"));
    }
    void clear() override { }
    bool seesOtherPrograms() const override { return true; }

protected:
    void writeText(const QString &) override { }

private:
    QString m_html;
};

QString onePageOfOneMegabyte()
{
    const QString style = QStringLiteral(
        " style=\"color: rgb(32, 33, 36); font-family: arial, sans-serif; font-size: 14px; "
        "font-weight: 400;\"");
    const QString section
        = QStringLiteral(
              "<p%1><span%1>The <b>council</b> voted on </span><a href=\"/votes/17\"%1>the plan</a>"
              "<span%1> after a <i>long</i> debate &amp; a walk-out; see "
              "<a "
              "href=\"https://news.example/votes/17\">https://news.example/votes/17</a>.</span></p>"
              "<ul><li%1>first point with <span style=\"color:red\">red</span> words</li>"
              "<li%1>second point<ul><li>nested</li></ul></li></ul>"
              "<blockquote><p%1>A reader wrote: <em>this is &quot;news&quot;</em></p></blockquote>"
              "<pre>int main()\n{\n    return [0];\n}\n</pre>"
              "<p><img src=\"/img/photo.jpg\" alt=\"photo\"> caf&eacute; [b]literal[/b]</p>\n")
              .arg(style);
    QString html = QStringLiteral("<html><head><style>p{margin:0}</style></head><body>");
    while (html.size() < 1024 * 1024)
        html += section;
    return html + QStringLiteral("</body></html>");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString html = onePageOfOneMegabyte();
    PageClipboard clipboard(html);

    QString post;
    const double conversion = medianMs(runs, [&] { post = *HtmlToBBCode::pasteText(clipboard); });

    QPlainTextEdit editor;
    EditorText text(&editor);
    EditHistory history;
    const double paste = medianMs(
        runs,
        [&] {
            text.replaceSelection(*HtmlToBBCode::pasteText(clipboard));
            history.record(text.text());
        },
        [&] { text.setText(QString()); });

    std::printf("html: %lld characters, post: %lld characters\n", qlonglong(html.size()),
                qlonglong(post.size()));
    std::printf("conversion: median %.1f ms\n", conversion);
    std::printf("whole paste into the editor: median %.1f ms (target %.0f ms)\n", paste, targetMs);
    return paste <= targetMs ? 0 : 1;
}
