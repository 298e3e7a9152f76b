#include "decorations/taglayer.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QString describe(const QList<Decoration> &decorations)
{
    QStringList parts;
    static const char *const kinds[] = {"tag", "value", "warning", "misspelling"};
    for (const Decoration &d : decorations)
        parts.append(QStringLiteral("%1+%2:%3").arg(d.start).arg(d.length).arg(kinds[int(d.kind)]));
    return parts.join(u' ');
}

QList<Decoration> decorationsOf(const TagLayer &layer, const QString &post, int lineNumber)
{
    const QStringList lines = post.split(QStringLiteral("\r\n"));
    qsizetype start = 0;
    for (int i = 0; i < lineNumber; ++i)
        start += lines.at(i).size() + 2;
    QList<Decoration> out;
    layer.decorate({lineNumber, start, lines.at(lineNumber)}, out);
    return out;
}

} // namespace

class TestTagLayer : public QObject
{
    Q_OBJECT

private slots:
    void linesShowTheVerdicts()
    {
        QString post = QStringLiteral("[url=http://a]x[/url]\r\n[I]y");
        TagLayer layer;
        layer.setPostTextSource([&] { return post; });
        layer.analyseNow();
        QCOMPARE(describe(decorationsOf(layer, post, 0)),
                 QStringLiteral("0+5:tag 5+8:value 13+1:tag 15+6:tag"));
        QCOMPARE(describe(decorationsOf(layer, post, 1)), QStringLiteral("0+3:warning"));
    }

    void tagsMoveWithAnEditUntilThePostIsReadAgain()
    {
        QString post = QStringLiteral("[b]x[/b] [u]y[/u]");
        TagLayer layer;
        layer.setPostTextSource([&] { return post; });
        layer.analyseNow();
        QSignalSpy changed(&layer, &DecorationLayer::decorationsChanged);

        // "ab" typed at the start: every tag moves two characters on.
        post.insert(0, QStringLiteral("ab"));
        layer.postChanged({0, 0, 0, 0, 0, 2});
        QVERIFY(layer.isAnalysing());
        QCOMPARE(describe(decorationsOf(layer, post, 0)),
                 QStringLiteral("2+3:tag 6+4:tag 11+3:tag 15+4:tag"));

        // An edit inside a tag takes it away until the post is read again.
        post.remove(17, 1); // "[/u]" becomes "[/]"
        layer.postChanged({0, 0, 0, 17, 1, 0});
        QCOMPARE(describe(decorationsOf(layer, post, 0)),
                 QStringLiteral("2+3:tag 6+4:tag 11+3:tag"));
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(describe(decorationsOf(layer, post, 0)),
                 QStringLiteral("2+3:tag 6+4:tag 11+3:warning"));
    }
};

QTEST_GUILESS_MAIN(TestTagLayer)
#include "tst_taglayer.moc"
