#include "find/findlayer.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QString describe(const QList<Decoration> &decorations)
{
    QStringList parts;
    for (const Decoration &d : decorations) {
        const char *kind = d.kind == DecorationKind::SearchMatch ? "match"
            : d.kind == DecorationKind::CurrentSearchMatch       ? "current"
                                                                 : "scope";
        parts.append(QStringLiteral("%1+%2:%3").arg(d.start).arg(d.length).arg(kind));
    }
    return parts.join(u' ');
}

QString line(const FindLayer &layer, const QString &post, int number)
{
    const QStringList lines = post.split(QStringLiteral("\r\n"));
    qsizetype start = 0;
    for (int i = 0; i < number; ++i)
        start += lines.at(i).size() + 2;
    QList<Decoration> out;
    layer.decorate({number, start, lines.at(number)}, out);
    return describe(out);
}

} // namespace

class TestFindLayer : public QObject
{
    Q_OBJECT

private slots:
    void marksEveryMatchAndTheCurrentOne()
    {
        const QString post = u"ab\r\nxab ab\r\nabc"_qs;
        FindLayer layer;
        layer.setPostTextSource([&] { return post; });
        layer.setSearch(FindPattern(u"ab"_qs, {}), std::nullopt);
        QCOMPARE(layer.matches(), (QList<FoundMatch>{{0, 2}, {5, 2}, {8, 2}, {12, 2}}));
        layer.setCurrent(FoundMatch{8, 2});
        QCOMPARE(line(layer, post, 0), u"0+2:match"_qs);
        QCOMPARE(line(layer, post, 1), u"1+2:match 4+2:match 4+2:current"_qs);
        QCOMPARE(line(layer, post, 2), u"0+2:match"_qs);
    }

    void aMatchOverALineBreakMarksBothLines()
    {
        const QString post = u"ab\r\ncd"_qs;
        FindLayer layer;
        layer.setPostTextSource([&] { return post; });
        layer.setSearch(FindPattern(u"b\\nc"_qs, {false, false, true}), std::nullopt);
        QCOMPARE(layer.matches(), (QList<FoundMatch>{{1, 4}}));
        QCOMPARE(line(layer, post, 0), u"1+1:match"_qs);
        QCOMPARE(line(layer, post, 1), u"0+1:match"_qs);
    }

    void marksFollowEditsAndTheSearchCatchesUp()
    {
        QString post = u"cat\r\ndog\r\ncat"_qs;
        FindLayer layer;
        layer.setPostTextSource([&] { return post; });
        layer.setSearch(FindPattern(u"cat"_qs, {}), FindScope{0, 13});
        QCOMPARE(layer.matches(), (QList<FoundMatch>{{0, 3}, {10, 3}}));
        QSignalSpy changed(&layer, &DecorationLayer::decorationsChanged);

        // "dog" becomes "cat": until the search runs again the last match moves
        // along, and the scope's end with it.
        post = u"cat\r\ncats\r\ncat"_qs;
        layer.postChanged({1, 1, 0, 5, 3, 4});
        QVERIFY(layer.isSearching());
        QCOMPARE(line(layer, post, 1), u"0+4:scope"_qs);
        QCOMPARE(line(layer, post, 2), u"0+3:scope 0+3:match"_qs);
        QCOMPARE(layer.scope(), (FindScope{0, 14}));

        QTRY_VERIFY(!layer.isSearching());
        QCOMPARE(layer.matches(), (QList<FoundMatch>{{0, 3}, {5, 3}, {11, 3}}));
        QCOMPARE(line(layer, post, 1), u"0+4:scope 0+3:match"_qs);
        // Only the line whose marks changed is drawn again.
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first(), (QVariantList{1, 1}));
    }

    void offMarksNothing()
    {
        const QString post = u"ab"_qs;
        FindLayer layer;
        layer.setPostTextSource([&] { return post; });
        layer.setSearch(FindPattern(u"ab"_qs, {}), FindScope{0, 2});
        layer.setCurrent(FoundMatch{0, 2});
        QCOMPARE(layer.matches().size(), 1);
        QSignalSpy changed(&layer, &DecorationLayer::decorationsChanged);
        layer.clear();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first(), (QVariantList{0, -1}));
        QCOMPARE(line(layer, post, 0), QString());
        QVERIFY(layer.matches().isEmpty());
        layer.postChanged({0, 0, 0, 0, 0, 1});
        QVERIFY(!layer.isSearching());
    }
};

QTEST_GUILESS_MAIN(TestFindLayer)
#include "tst_findlayer.moc"
