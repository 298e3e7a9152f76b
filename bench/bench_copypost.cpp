// Copy Post on a 1 MB post with tidying on. The target (50 ms median) holds
// for the command's own work: the four passes and the clipboard text. The
// whole command on an editor (passes written back, clipboard cleared and
// filled) is printed beside it: rewriting a 1 MB editor is most of its time.
#include "foundation/platform.h"
#include "markup/copypost.h"
#include "widgets/editortext.h"

#include "benchtiming.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include <cstdio>

namespace {

constexpr double targetMs = 50.0;
constexpr int runs = 15;

// About 1 MB of forum text: paragraphs separated by runs of 1 to 20 line
// breaks (every pass has work), or by single and double breaks (none has).
QString onePostOfOneMegabyte(int longestRun)
{
    const QString paragraph = QStringLiteral(
        "[B]Release notes[/B] for the [URL=http://forum.example/t/1]new build[/URL]: "
        "[COLOR=blue]fixed[/COLOR] the long-standing crash when opening drafts, "
        "sped up the preview and tidied the tag buttons.");
    QString post;
    int run = 1;
    while (post.size() < 1024 * 1024) {
        post += paragraph;
        post += QStringLiteral("\r\n").repeated(run);
        run = run % longestRun + 1;
    }
    return post;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString post = onePostOfOneMegabyte(20);
    const QString tidyPost = onePostOfOneMegabyte(2);

    QString clipboardText;
    const double textWork = medianMs(runs, [&] {
        const QStringList passes = CopyPost::tidyPasses(post);
        clipboardText = Clipboard::withPlatformLineEnds(passes.last());
    });

    QPlainTextEdit editor;
    EditorText text(&editor);
    Clipboard &clipboard = Platform::clipboard();
    struct Editor : CopyPost::Editor
    {
        explicit Editor(EditorText &text) : m_text(text) { }
        QString text() const override { return m_text.text(); }
        void write(const QString &text) override { m_text.setText(text); }
        bool runEvents() override
        {
            QCoreApplication::processEvents();
            return false;
        }
        EditorText &m_text;
    } copying(text);
    const auto copyPost = [&] {
        CopyPost::copy(copying, true, clipboard);
    };
    const double command = medianMs(runs, copyPost, [&] { text.setText(post); });
    const double commandNothingToTidy = medianMs(runs, copyPost, [&] { text.setText(tidyPost); });

    std::printf("post: %lld characters\n", qlonglong(post.size()));
    std::printf("tidying passes + clipboard text: median %.2f ms (target %.0f ms)\n", textWork,
                targetMs);
    std::printf("whole command on an editor, every pass changes the post: median %.2f ms\n",
                command);
    std::printf("whole command on an editor, nothing to tidy: median %.2f ms\n",
                commandNothingToTidy);
    return textWork <= targetMs ? 0 : 1;
}
