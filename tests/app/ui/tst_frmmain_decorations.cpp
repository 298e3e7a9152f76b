#include "app/ui/frmmain.h"
#include "decorations/ui/editordecorations.h"
#include "mainwindowfixture.h"
#include "widgets/postedit.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// "start+length:kind" for each format range of a line: tag, value or wave.
QString formatsOf(const QTextBlock &block, const DecorationColours &colours)
{
    QStringList parts;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        QString kind;
        if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            kind = QStringLiteral("wave");
        else if (range.format.foreground().color() == colours.tag)
            kind = QStringLiteral("tag");
        else if (range.format.foreground().color() == colours.value)
            kind = QStringLiteral("value");
        parts.append(QStringLiteral("%1+%2:%3").arg(range.start).arg(range.length).arg(kind));
    }
    return parts.join(u' ');
}

} // namespace

class TestFrmMainDecorations : public QObject
{
    Q_OBJECT

private slots:
    void tagsAreColouredAndWarnedOf()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        auto *engine = txtPost(w)->findChild<EditorDecorations *>();
        QVERIFY(engine);
        QTest::keyClicks(txtPost(w), QStringLiteral("[font=Courier]x[/font] [Url]y"));
        QTRY_VERIFY(engine->isIdle()
                    && formatsOf(txtPost(w)->document()->firstBlock(), engine->colours())
                           .contains(u"wave"));
        QCOMPARE(formatsOf(txtPost(w)->document()->firstBlock(), engine->colours()),
                 QStringLiteral("0+6:tag 6+7:value 13+1:tag 15+7:tag 23+5:wave"));
        QStringList messages;
        for (const EditorDecorations::Found &found : engine->decorationsAt(25))
            messages.append(found.message);
        QCOMPARE(messages,
                 QStringList{QStringLiteral("[Url] is left as text: write [URL] or [url].")});
    }

    void theLengthLabelFollowsThePost_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << ""
                               << "0 characters";
        QTest::newRow("one character") << "a"
                                       << "1 character";
        QTest::newRow("several lines") << "one\ntwo\n"
                                       << "8 characters";
        QTest::newRow("an emoji") << QStringLiteral("\U0001F600!") << "2 characters";
    }

    void theLengthLabelFollowsThePost()
    {
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MainWindowFixture f;
        frmMain *w = f.open();
        auto *label = w->findChild<QLabel *>(QStringLiteral("lblLength"));
        QVERIFY(label);
        txtPost(w)->insertPlainText(typed);
        QCOMPARE(label->text(), caption);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(accessible->text(QAccessible::Name), caption);
        QVERIFY(label->alignment() & Qt::AlignRight);
    }

    void theLengthLabelKeepsToTheRightEdge()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        auto *label = w->findChild<QLabel *>(QStringLiteral("lblLength"));
        for (const int width : {700, 480}) {
            w->resize(width, 400);
            QTRY_COMPARE(label->geometry().right(), txtPost(w)->geometry().right());
        }
        QCOMPARE(label->geometry().top(), 93);
    }
};

QTEST_MAIN(TestFrmMainDecorations)
#include "tst_frmmain_decorations.moc"
