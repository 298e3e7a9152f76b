#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

// Runs the built wuxo-bbcode the way a script would.
class TestBBCodeTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsStandardInput_data();
    void convertsStandardInput();
    void convertsFile();
    void fillsPageTemplate();
    void conversionFailureExitsWithTwo();
    void unreadableInputExitsWithOne_data();
    void unreadableInputExitsWithOne();
    void showsHelpAndVersion();
    void speaksTheUsersLanguage();

private:
    // Runs the tool in the language `lang` (LANG), with no other language variable set.
    Run run(const QStringList &arguments, const QByteArray &input = {},
            const QString &lang = QStringLiteral("C"));
    QString writeFile(const QString &name, const QByteArray &bytes);

    QString m_program;
    QTemporaryDir m_dir;
};

void TestBBCodeTool::initTestCase()
{
    // Test programs are built in <build>/tests, the tool in <build>/bin.
    m_program = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/wuxo-bbcode");
    QVERIFY2(QFileInfo(m_program).isExecutable(),
             qPrintable(m_program + " is missing: build wuxo-bbcode"));
    QVERIFY(m_dir.isValid());
}

Run TestBBCodeTool::run(const QStringList &arguments, const QByteArray &input, const QString &lang)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
    process.start(m_program, arguments);
    if (!process.waitForStarted(10000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString TestBBCodeTool::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void TestBBCodeTool::convertsStandardInput_data()
{
    QTest::addColumn<QByteArray>("post");

    QTest::newRow("LF line breaks") << QByteArray("[B]Hi[/B] \xc3\xa9\n[list]\n[*]one\n[/list]");
    QTest::newRow("CR LF line breaks")
        << QByteArray("[B]Hi[/B] \xc3\xa9\r\n[list]\r\n[*]one\r\n[/list]");
    QTest::newRow("lone CR line breaks")
        << QByteArray("[B]Hi[/B] \xc3\xa9\r[list]\r[*]one\r[/list]");
    QTest::newRow("all three in one post")
        << QByteArray("[B]Hi[/B] \xc3\xa9\r\n[list]\n[*]one\r[/list]");
    QTest::newRow("a lone LF first, CR LF after")
        << QByteArray("[B]Hi[/B] \xc3\xa9\n[list]\r\n[*]one\r\n[/list]");
}

void TestBBCodeTool::convertsStandardInput()
{
    QFETCH(QByteArray, post);
    const Run result = run({}, post);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("<b>Hi</b> \xc3\xa9<br /><ul><li>one</li></ul>\n"));
}

void TestBBCodeTool::convertsFile()
{
    const QString path = writeFile("post.txt", "[url=page.html]here[/url]\n");
    const Run result = run({path});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("<a href='page.html' target='_blank'>here</a><br />\n"));
    QCOMPARE(run({"-"}, "[i]x[/i]").out, QByteArray("<i>x</i>\n"));
}

void TestBBCodeTool::fillsPageTemplate()
{
    const QString templatePath
        = writeFile("preview.txt", "<html>\n<body>[post]</body>\n<p>[post]</p>\n</html>\n");
    const Run result = run({"--page", templatePath}, "[b]Hi[/b]");
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
             QByteArray("<html>\r\n<body><b>Hi</b></body>\r\n<p><b>Hi</b></p>\r\n</html>\r\n"));
}

void TestBBCodeTool::conversionFailureExitsWithTwo()
{
    const Run result = run({}, "[size=big]x[/size]");
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(
        result.err,
        QByteArray(
            "wuxo-bbcode: error 13: Type mismatch: the [size] value \"big\" is not a number\n"));
    QCOMPARE(result.out, QByteArray());

    const Run list = run({}, "[list][*]one[/list]");
    QCOMPARE(list.exitCode, 2);
    QVERIFY2(list.err.startsWith("wuxo-bbcode: error 5: Invalid procedure call or argument: "),
             list.err);
    QCOMPARE(list.out, QByteArray());
}

void TestBBCodeTool::unreadableInputExitsWithOne_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing post") << QStringList{"missing.txt"}
                                  << "wuxo-bbcode: cannot read missing.txt: File not found\n";
    QTest::newRow("missing template")
        << QStringList{"--page", "missing.txt"}
        << "wuxo-bbcode: cannot read the page template missing.txt: File not found\n";
    QTest::newRow("empty template")
        << QStringList{"--page", "EMPTY"}
        << "wuxo-bbcode: cannot read the page template EMPTY: Invalid procedure call "
           "or argument: the page template is empty\n";
}

void TestBBCodeTool::unreadableInputExitsWithOne()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString empty = writeFile("empty.txt", {});
    arguments.replaceInStrings("EMPTY", empty);
    arguments.replaceInStrings("missing.txt", m_dir.filePath("missing.txt"));
    message.replace("EMPTY", empty).replace("missing.txt", m_dir.filePath("missing.txt"));
    const Run result = run(arguments, "[b]x[/b]");
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString::fromUtf8(result.err), message);
    QCOMPARE(result.out, QByteArray());
}

void TestBBCodeTool::showsHelpAndVersion()
{
    const Run version = run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("wuxo-bbcode 0.8.44\n"));
    const Run help = run({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.contains("--page <file>") && help.out.contains("post-file"), help.out);
}

// The messages follow the user's language; the "error N:" form scripts read stays.
void TestBBCodeTool::speaksTheUsersLanguage()
{
    const Run german = run({}, "[size=big]x[/size]", QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(german.exitCode, 2);
    QCOMPARE(QString::fromUtf8(german.err),
             QStringLiteral("wuxo-bbcode: error 13: Typen unverträglich: der [size]-Wert „big“ ist "
                            "keine Zahl\n"));
    const Run twoPosts
        = run({QStringLiteral("a"), QStringLiteral("b")}, {}, QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(twoPosts.exitCode, 1);
    QCOMPARE(twoPosts.err, QByteArray("wuxo-bbcode: nur ein Beitrag auf einmal; siehe --help\n"));
    // Qt's own texts of the help in German too.
    const Run help = run({QStringLiteral("--help")}, {}, QStringLiteral("de_DE.UTF-8"));
    QVERIFY2(help.out.contains("Optionen"), help.out);
}

QTEST_GUILESS_MAIN(TestBBCodeTool)
#include "tst_bbcodetool.moc"
