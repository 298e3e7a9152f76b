// wuxo-bbcode: converts a post written in BBCode to HTML, as the preview does,
// for people who convert posts in scripts.
#include "buildinfo.h"
#include "converter/bbcodeconverter.h"
#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"
#include "preview/previewpage.h"
#include "translation/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringEncoder>

#include <cstdio>

namespace {

constexpr int exitUnreadable = 1;
constexpr int exitConversionFailed = 2;

void printError(const QString &message)
{
    const QByteArray line = (QStringLiteral("wuxo-bbcode: ") + message + u'\n').toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

QByteArray readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw WuxoError(ErrorNumber::PathFileAccess);
    return input.readAll();
}

// Whether every CR and every LF of the text is part of a CR LF. Line breaks are
// far apart, so a vectorised search from one to the next sweeps the text fastest.
bool hasCrLfThroughout(QStringView text)
{
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) {
        if (at == 0 || text[at - 1] != u'\r')
            return false;
    }
    for (qsizetype at = text.indexOf(u'\r'); at >= 0; at = text.indexOf(u'\r', at + 1)) {
        if (at + 1 == text.size() || text[at + 1] != u'\n')
            return false;
    }
    return true;
}

// The converter knows only CR LF as a line break; scripts hand over LF, and
// older files a lone CR. A post that has CR LF throughout is kept as it is.
QString withCrLfLineBreaks(const QString &text)
{
    if (hasCrLfThroughout(text))
        return text;
    const char16_t *in = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype size = text.size();
    qsizetype added = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (in[i] == u'\r') {
            if (i + 1 < size && in[i + 1] == u'\n')
                ++i;
            else
                ++added;
        } else if (in[i] == u'\n') {
            ++added;
        }
    }
    if (added == 0)
        return text;
    QString result(size + added, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        if (c == u'\r' || c == u'\n') {
            *out++ = u'\r';
            *out++ = u'\n';
            if (c == u'\r' && i + 1 < size && in[i + 1] == u'\n')
                ++i;
        } else {
            *out++ = c;
        }
    }
    return result;
}

// Writes the text as UTF-8 a piece at a time through one small buffer, so a
// long page is never held a second time in another encoding. A piece goes out
// in one or two writes: more, smaller ones cost more than the encoding.
bool writeStandardOutput(QStringView text)
{
    constexpr qsizetype piece = 64 * 1024;
    QStringEncoder encoder(QStringEncoder::Utf8);
    QByteArray buffer(encoder.requiredSpace(piece), Qt::Uninitialized);
    for (qsizetype at = 0; at < text.size(); at += piece) {
        const char *end = encoder.appendToBuffer(buffer.data(), text.mid(at, piece));
        const size_t length = size_t(end - buffer.constData());
        if (std::fwrite(buffer.constData(), 1, length, stdout) != length)
            return false;
    }
    return std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wuxo-bbcode"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::versionText));
    Translations::install(QLocale::system().uiLanguages());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "BBCodeTool",
        "Converts a post written in BBCode to HTML, as the preview of Wuxo does, and writes the\n"
        "HTML fragment followed by a line break to standard output. The post is read as UTF-8;\n"
        "CR LF, LF and a lone CR all end a line.\n"
        "Exit status: 0 done, 1 a file could not be read (or the options are wrong),\n"
        "2 the post could not be converted (\"wuxo-bbcode: error N: description\" on standard\n"
        "error). Nothing is written to standard output when it fails."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pageOption(
        QStringLiteral("page"),
        QCoreApplication::translate(
            "BBCodeTool",
            "Write a whole page instead: the page template <file> with every \"[post]\" "
            "replaced by the HTML, lines joined by CR LF and a CR LF at the end, as the "
            "preview writes it."),
        QStringLiteral("file"));
    parser.addOption(pageOption);
    parser.addPositionalArgument(
        QStringLiteral("post-file"),
        QCoreApplication::translate("BBCodeTool",
                                    "The post to convert; standard input when left out or \"-\"."),
        QStringLiteral("[post-file]"));
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1) {
        printError(QCoreApplication::translate("BBCodeTool", "one post at a time; see --help"));
        return exitUnreadable;
    }
    const QString postPath = arguments.isEmpty() ? QStringLiteral("-") : arguments.first();

    QString post;
    try {
        post = TextFile::decode(postPath == u"-" ? readStandardInput()
                                                 : TextFile::readBytes(postPath));
    } catch (const WuxoError &error) {
        printError(QCoreApplication::translate("BBCodeTool", "cannot read %1: %2")
                       .arg(postPath == u"-"
                                ? QCoreApplication::translate("BBCodeTool", "standard input")
                                : postPath,
                            error.description()));
        return exitUnreadable;
    }
    QString templateText;
    if (parser.isSet(pageOption)) {
        const QString templatePath = parser.value(pageOption);
        try {
            templateText = PreviewPage::readTemplate(templatePath);
        } catch (const WuxoError &error) {
            printError(
                QCoreApplication::translate("BBCodeTool", "cannot read the page template %1: %2")
                    .arg(templatePath, error.description()));
            return exitUnreadable;
        }
    }

    QString output;
    QStringView lineEnd;
    try {
        output = ConvertPostToHtml(withCrLfLineBreaks(post));
        post = QString(); // its memory goes to the page
        if (parser.isSet(pageOption)) {
            PreviewPage::checkLength(templateText, output.size());
            output = PreviewPage::fill(templateText, output);
            lineEnd = u"\r\n";
        } else {
            lineEnd = u"\n";
        }
    } catch (const WuxoError &error) {
        printError(QStringLiteral("error %1: %2").arg(error.number()).arg(error.description()));
        return exitConversionFailed;
    }
    if (!writeStandardOutput(output) || !writeStandardOutput(lineEnd)) {
        printError(QCoreApplication::translate("BBCodeTool", "cannot write to standard output"));
        return exitUnreadable;
    }
    return 0;
}
