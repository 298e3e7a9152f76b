#include "converter/bbcodeconverter.h"
#include "preview/previewpage.h"

#include "foundation/wuxoerror.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const WuxoError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

class TestPreviewPage : public QObject
{
    Q_OBJECT

private slots:
    void readsTemplateAsLinesJoinedByCrLf_data();
    void readsTemplateAsLinesJoinedByCrLf();
    void missingOrEmptyTemplateFails();
    void fillsEveryPlaceholder_data();
    void fillsEveryPlaceholder();
    void writesPageWithFinalCrLf();
    void writeToMissingFolderFails();

private:
    QTemporaryDir m_dir;
};

void TestPreviewPage::readsTemplateAsLinesJoinedByCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("lines ended by CR LF") << QByteArray("a\r\nb\r\n") << "a\r\nb";
    QTest::newRow("lines ended by a lone CR") << QByteArray("a\rb\r") << "a\r\nb";
    QTest::newRow("lines ended by a lone LF") << QByteArray("a\nb\n") << "a\r\nb";
    QTest::newRow("last line without line break") << QByteArray("a\r\nb") << "a\r\nb";
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << "a\r\n\r\nb";
    QTest::newRow("one empty line") << QByteArray("\r\n") << "";
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 [post]") << QString::fromUtf8("café [post]");
}

void TestPreviewPage::readsTemplateAsLinesJoinedByCrLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = m_dir.filePath("preview.txt");
    writeFile(path, bytes);
    QCOMPARE(PreviewPage::readTemplate(path), text);
}

void TestPreviewPage::missingOrEmptyTemplateFails()
{
    QCOMPARE(errorNumberOf([this] { PreviewPage::readTemplate(m_dir.filePath("missing.txt")); }),
             int(ErrorNumber::FileNotFound));
    const QString empty = m_dir.filePath("empty.txt");
    writeFile(empty, QByteArray());
    QCOMPARE(errorNumberOf([&] { PreviewPage::readTemplate(empty); }),
             int(ErrorNumber::InvalidArgument));
}

void TestPreviewPage::fillsEveryPlaceholder_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("page");

    QTest::newRow("one placeholder") << "<body>[post]</body>"
                                     << "<b>Hi</b>"
                                     << "<body><b>Hi</b></body>";
    QTest::newRow("twice") << "[post]|[post]"
                           << "x"
                           << "x|x";
    QTest::newRow("none") << "<body></body>"
                          << "x"
                          << "<body></body>";
    QTest::newRow("capitals are no placeholder") << "[POST] [Post]"
                                                 << "x"
                                                 << "[POST] [Post]";
    QTest::newRow("inserted post is not searched again") << "<p>[post]</p>"
                                                         << "[post]"
                                                         << "<p>[post]</p>";
    QTest::newRow("placeholder split over lines") << "[po\r\nst]"
                                                  << "x"
                                                  << "[po\r\nst]";
}

void TestPreviewPage::fillsEveryPlaceholder()
{
    QFETCH(QString, templateText);
    QFETCH(QString, html);
    QFETCH(QString, page);
    QCOMPARE(PreviewPage::fill(templateText, html), page);
}

void TestPreviewPage::writesPageWithFinalCrLf()
{
    const QString templatePath = m_dir.filePath("template.txt");
    writeFile(templatePath, "<html><body>[post]</body></html>\r\n");
    const QString pagePath = m_dir.filePath("preview.html");
    writeFile(pagePath, "an older, longer page");
    const QString page = PreviewPage::fill(PreviewPage::readTemplate(templatePath),
                                           ConvertPostToHtml("[b]Hi[/b] \xc3\xa9"));
    PreviewPage::write(pagePath, page);
    QCOMPARE(readFile(pagePath), QByteArray("<html><body><b>Hi</b> \xc3\xa9</body></html>\r\n"));
}

void TestPreviewPage::writeToMissingFolderFails()
{
    const QString path = m_dir.filePath("no such folder/preview.html");
    QCOMPARE(errorNumberOf([&] { PreviewPage::write(path, "x"); }), int(ErrorNumber::PathNotFound));
}

QTEST_GUILESS_MAIN(TestPreviewPage)
#include "tst_previewpage.moc"
