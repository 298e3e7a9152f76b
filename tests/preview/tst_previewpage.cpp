#include "converter/bbcodeconverter.h"
#include "preview/previewpage.h"

#include "foundation/wuxoerror.h"
#include "testfiles.h"
#include "thrownerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void pageLengthLimit_data();
    void pageLengthLimit();

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

void TestPreviewPage::pageLengthLimit_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<qsizetype>("htmlLength");
    QTest::addColumn<int>("error");

    // 1024 placeholders of 6 characters: each post character beyond 6 adds 1024.
    const QString placeholders = QStringLiteral("[post]").repeated(1024);
    QTest::newRow("exactly the limit") << placeholders << qsizetype(65536) << 0;
    QTest::newRow("past the limit") << placeholders << qsizetype(65537) << 7;
    QTest::newRow("no placeholder holds any post") << "<p></p>" << 2 * PreviewPage::maxLength << 0;
}

void TestPreviewPage::pageLengthLimit()
{
    QFETCH(QString, templateText);
    QFETCH(qsizetype, htmlLength);
    QFETCH(int, error);
    const std::optional<WuxoError> thrown
        = errorOf([&] { PreviewPage::checkLength(templateText, htmlLength); });
    QCOMPARE(thrown ? thrown->number() : 0, error);
    if (thrown)
        QCOMPARE(
            thrown->description(),
            QStringLiteral("Out of memory: the page would be longer than 67108864 characters"));
}

QTEST_GUILESS_MAIN(TestPreviewPage)
#include "tst_previewpage.moc"
