#include "decorations/ui/editordecorations.h"
#include "widgets/editortext.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Marks every occurrence of a word with one kind of decoration.
class WordLayer : public DecorationLayer
{
public:
    WordLayer(QString word, DecorationKind kind, QString message = QString())
        : m_word(std::move(word)), m_kind(kind), m_message(std::move(message))
    {
    }

    void decorate(const DecorationLine &line, QList<Decoration> &out) const override
    {
        ++calls;
        for (qsizetype at = line.text.indexOf(m_word); at >= 0;
             at = line.text.indexOf(m_word, at + 1))
            out.append({int(at), int(m_word.size()), m_kind, m_message});
    }
    void postChanged(const PostChange &change) override { changes.append(change); }

    void setWord(const QString &word)
    {
        m_word = word;
        emit decorationsChanged(0, -1);
    }

    mutable int calls = 0;
    QList<PostChange> changes;

private:
    QString m_word;
    DecorationKind m_kind;
    QString m_message;
};

// "start+length:fg|under" for each format range of a line.
QString describe(const QTextBlock &block)
{
    QStringList parts;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        QStringList what;
        if (range.format.hasProperty(QTextFormat::ForegroundBrush))
            what.append(QStringLiteral("fg"));
        if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            what.append(QStringLiteral("wave"));
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            what.append(QStringLiteral("spell"));
        parts.append(
            QStringLiteral("%1+%2:%3").arg(range.start).arg(range.length).arg(what.join(u'|')));
    }
    return parts.join(u' ');
}

QString bigPost(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("line %1 with a tag word in it\r\n").arg(i);
    return text;
}

} // namespace

class TestEditorDecorations : public QObject
{
    Q_OBJECT

private slots:
    void anEditedLineIsDecoratedAtOnce()
    {
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("first\nsecond"));
        auto *engine = new EditorDecorations(&editor);
        auto *layer = new WordLayer(QStringLiteral("tag"), DecorationKind::TagName);
        engine->addLayer(layer);
        QTRY_VERIFY(engine->isIdle());

        QTextCursor cursor(editor.document()->findBlockByNumber(1));
        cursor.insertText(QStringLiteral("a tag "));
        // No event loop has run: the edit itself decorated its line.
        QCOMPARE(describe(editor.document()->findBlockByNumber(1)), QStringLiteral("2+3:fg"));
        QCOMPARE(layer->changes.size(), 1);
        QCOMPARE(layer->changes.first().firstLine, 1);
        QCOMPARE(layer->changes.first().lastLine, 1);
        QCOMPARE(layer->changes.first().lineDelta, 0);
    }

    void layersMergeInTheirOrder()
    {
        QPlainTextEdit editor;
        auto *engine = new EditorDecorations(&editor);
        engine->addLayer(new WordLayer(QStringLiteral("abcd"), DecorationKind::TagName));
        engine->addLayer(new WordLayer(QStringLiteral("cdef"), DecorationKind::Warning));
        engine->addLayer(new WordLayer(QStringLiteral("f"), DecorationKind::Misspelling));
        editor.setPlainText(QStringLiteral("abcdefg"));
        QCOMPARE(describe(editor.document()->firstBlock()),
                 QStringLiteral("0+2:fg 2+2:fg|wave 4+1:wave 5+1:spell"));
    }

    void decorationsNeitherChangeTheTextNorItsHistory()
    {
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("a tag"));
        auto *engine = new EditorDecorations(&editor);
        QSignalSpy textChanges(&editor, &QPlainTextEdit::textChanged);
        QSignalSpy undoChanges(editor.document(), &QTextDocument::undoAvailable);
        auto *layer = new WordLayer(QStringLiteral("tag"), DecorationKind::TagName);
        engine->addLayer(layer);
        QTRY_VERIFY(engine->isIdle());
        layer->setWord(QStringLiteral("a"));
        QTRY_VERIFY(engine->isIdle());
        QCOMPARE(describe(editor.document()->firstBlock()), QStringLiteral("0+1:fg 3+1:fg"));
        QCOMPARE(textChanges.size(), 0);
        QCOMPARE(undoChanges.size(), 0);
        QVERIFY(!editor.document()->isUndoAvailable());
    }

    void aNewPostIsDecoratedInSlicesVisibleLinesFirst()
    {
        QPlainTextEdit editor;
        editor.resize(400, 300);
        editor.show();
        auto *engine = new EditorDecorations(&editor);
        auto *layer = new WordLayer(QStringLiteral("tag"), DecorationKind::TagName);
        engine->addLayer(layer);
        QTRY_VERIFY(engine->isIdle());

        const int lines = 200000;
        EditorText(&editor).setText(bigPost(lines));
        // The edit decorated only what one slice allows.
        QVERIFY(!engine->isIdle());
        QVERIFY(layer->calls < lines);
        // The next slice starts with the lines on screen, wherever the view is.
        editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum() / 2);
        QSignalSpy idle(engine, &EditorDecorations::idle);
        const int before = layer->calls;
        QTest::qWait(0);
        QCoreApplication::processEvents();
        const QTextBlock shown = editor.cursorForPosition(QPoint(5, 5)).block();
        QVERIFY(shown.blockNumber() > lines / 4);
        QCOMPARE(describe(shown), QStringLiteral("%1+3:fg").arg(shown.text().indexOf(u"tag")));
        QVERIFY(layer->calls > before);
        QVERIFY(idle.wait(20000));
        QCOMPARE(describe(editor.document()->lastBlock().previous()),
                 QStringLiteral("%1+3:fg").arg(
                     editor.document()->lastBlock().previous().text().indexOf(u"tag")));
    }

    void aLongLineIsLeftUndecorated()
    {
        QPlainTextEdit editor;
        auto *engine = new EditorDecorations(&editor);
        engine->addLayer(new WordLayer(QStringLiteral("tag"), DecorationKind::TagName));
        editor.setPlainText(QStringLiteral("tag ")
                            + QString(EditorDecorations::longestDecoratedLine, u'x')
                            + QStringLiteral("\ntag"));
        QTRY_VERIFY(engine->isIdle());
        QCOMPARE(describe(editor.document()->firstBlock()), QString());
        QCOMPARE(describe(editor.document()->lastBlock()), QStringLiteral("0+3:fg"));
    }

    void decorationsAtAPositionOfThePost_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("found");
        // "one\r\ntwo bad\r\nbad": positions count each break as two characters.
        QTest::newRow("inside the first word") << 1 << "";
        QTest::newRow("at the start of bad") << 9 << "9+3 Bad word.";
        QTest::newRow("just after bad") << 12 << "9+3 Bad word.";
        QTest::newRow("on the break") << 13 << "";
        QTest::newRow("the last line") << 15 << "14+3 Bad word.";
    }

    void decorationsAtAPositionOfThePost()
    {
        QFETCH(int, position);
        QFETCH(QString, found);
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("one\ntwo bad\nbad"));
        auto *engine = new EditorDecorations(&editor);
        engine->addLayer(new WordLayer(QStringLiteral("bad"), DecorationKind::Warning,
                                       QStringLiteral("Bad word.")));
        QStringList got;
        for (const EditorDecorations::Found &each : engine->decorationsAt(position))
            got.append(
                QStringLiteral("%1+%2 %3").arg(each.start).arg(each.length).arg(each.message));
        QCOMPARE(got.join(u';'), found);
    }

    void aPaletteChangeTakesNewColours()
    {
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("tag"));
        auto *engine = new EditorDecorations(&editor);
        engine->addLayer(new WordLayer(QStringLiteral("tag"), DecorationKind::TagName));
        QTRY_VERIFY(engine->isIdle());
        QPalette dark = editor.palette();
        dark.setColor(QPalette::Base, QColor(20, 20, 24));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        editor.setPalette(dark);
        QTRY_VERIFY(engine->isIdle());
        const QColor shown = editor.document()
                                 ->firstBlock()
                                 .layout()
                                 ->formats()
                                 .first()
                                 .format.foreground()
                                 .color();
        QCOMPARE(shown, engine->colours().tag);
        QVERIFY(contrastRatio(shown, QColor(20, 20, 24)) >= DecorationColours::minimumTextContrast);
    }
};

QTEST_MAIN(TestEditorDecorations)
#include "tst_editordecorations.moc"
