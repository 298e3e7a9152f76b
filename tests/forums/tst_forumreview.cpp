#include "decorations/tagverdicts.h"
#include "forums/forumprofiles.h"
#include "forums/forumreview.h"

#include <QTest>

namespace {

const ForumProfile &profile(const QString &name)
{
    for (const ForumProfile &each : ForumProfiles::builtIn()) {
        if (each.name == name)
            return each;
    }
    qFatal("no built-in profile %s", qPrintable(name));
}

// "written: note" for each tag the forum has a word on; "!" marks a warning.
QStringList notesOf(const ForumProfile &forum, const QString &post)
{
    std::vector<TagVerdicts::Tag> tags = TagVerdicts::analyse(post).tags();
    ForumReview::review(forum, post, tags);
    QStringList notes;
    qsizetype previous = -1;
    for (const TagVerdicts::Tag &tag : tags) {
        if (tag.start <= previous)
            notes.append(QStringLiteral("out of order"));
        previous = tag.start;
        if (!tag.note.isEmpty())
            notes.append(post.mid(tag.start, tag.length)
                         + QString::fromUtf16(tag.noteWarns ? u"! " : u" ") + tag.note);
    }
    return notes;
}

} // namespace

class TestForumReview : public QObject
{
    Q_OBJECT

private slots:
    void notes_data()
    {
        QTest::addColumn<QString>("forum");
        QTest::addColumn<QString>("post");
        QTest::addColumn<QStringList>("notes");

        QTest::newRow("phpBB: font as text")
            << "phpBB 3.3"
            << "[FONT=Courier]x[/FONT]"
            << QStringList{"[FONT=Courier]! phpBB shows [FONT] as text: leave the font out or "
                           "pick another forum",
                           "[/FONT]! phpBB shows [FONT] as text: leave the font out or pick "
                           "another forum"};
        QTest::newRow("phpBB: size in per cent")
            << "phpBB 3.3"
            << "[size=5]x[/size]"
            << QStringList{"[size=5]! phpBB reads [SIZE=5] as 5 %: write [SIZE=100] for text "
                           "the size the preview shows"};
        QTest::newRow("phpBB: size past its highest")
            << "phpBB 3.3"
            << "[SIZE=250]x[/SIZE]"
            << QStringList{"[SIZE=250]! phpBB reads sizes from 1 to 200 % only: write "
                           "[SIZE=200] for text the size the preview shows"};
        QTest::newRow("phpBB: a size it reads alike") << "phpBB 3.3"
                                                      << "[size=150]x[/size]" << QStringList{};
        QTest::newRow("phpBB: numbered list, spoiler unknown")
            << "phpBB 3.3"
            << "[list=1]\r\n[*]a\r\n[/list] [spoiler]x[/spoiler]"
            << QStringList{"[list=1] phpBB shows this as a numbered list; the preview here "
                           "leaves it as text"};
        QTest::newRow("phpBB: a colour form it reads") << "phpBB 3.3"
                                                       << "[color=#f00]x[/color]" << QStringList{};
        QTest::newRow("phpBB: bold, italics, link as the preview")
            << "phpBB 3.3"
            << "[b]x[/b] [i]y[/i] [url]http://a.b[/url]" << QStringList{};

        QTest::newRow("vBulletin: size 7 is far larger")
            << "vBulletin 4"
            << "[size=7]x[/size]"
            << QStringList{"[size=7]! vBulletin reads [SIZE=7] as size 7 of 7: write [SIZE=4] "
                           "for text the size the preview shows"};
        QTest::newRow("vBulletin: highlight it knows")
            << "vBulletin 4"
            << "[highlight]x[/highlight]"
            << QStringList{"[highlight] vBulletin shows this as highlighted text; the preview "
                           "here leaves it as text",
                           "[/highlight] vBulletin shows this as highlighted text; the preview "
                           "here leaves it as text"};

        QTest::newRow("XenForo: size past 7")
            << "XenForo 2"
            << "[SIZE=14]x[/SIZE]"
            << QStringList{"[SIZE=14]! XenForo reads sizes from 1 to 7 only: write [SIZE=5] for "
                           "text the size the preview shows"};
        QTest::newRow("XenForo: spoiler")
            << "XenForo 2"
            << "[SPOILER]x[/SPOILER]"
            << QStringList{"[SPOILER] XenForo shows this as a spoiler; the preview here leaves it "
                           "as text",
                           "[/SPOILER] XenForo shows this as a spoiler; the preview here leaves "
                           "it as text"};
        QTest::newRow("XenForo: a list type it lacks")
            << "XenForo 2"
            << "[list=a]\r\n[*]x\r\n[/list]"
            << QStringList{"[list=a]! XenForo shows [LIST=a] as text: write [LIST] or [LIST=1]"};

        QTest::newRow("SMF: no list types, but a table")
            << "SMF 2.1"
            << "[list=1]\r\n[*]x\r\n[/list]\r\n[table][tr][td]x[/td][/tr][/table]"
            << QStringList{"[list=1]! SMF shows [LIST=1] as text: write [LIST] for a list with "
                           "bullets",
                           "[table] SMF shows this as a table; the preview here leaves it as text",
                           "[tr] SMF reads this tag; the preview here leaves it as text",
                           "[td] SMF reads this tag; the preview here leaves it as text",
                           "[/td] SMF reads this tag; the preview here leaves it as text",
                           "[/tr] SMF reads this tag; the preview here leaves it as text",
                           "[/table] SMF shows this as a table; the preview here leaves it as "
                           "text"};
        QTest::newRow("SMF: its own list type attribute")
            << "SMF 2.1"
            << "[list type=decimal]"
            << QStringList{"[list type=decimal] SMF reads this tag; the preview here leaves it "
                           "as text"};

        QTest::newRow("MyBB: size in points")
            << "MyBB 1.8"
            << "[size=5]x[/size]"
            << QStringList{"[size=5]! MyBB reads [SIZE=5] as 5 points: write [SIZE=12] for text "
                           "the size the preview shows"};
        QTest::newRow("MyBB: a short hex colour")
            << "MyBB 1.8"
            << "[color=#f00]x[/color]"
            << QStringList{"[color=#f00]! MyBB does not read the colour #f00: write a colour "
                           "name or #RRGGBB"};
        QTest::newRow("MyBB: the preview's own colour names")
            << "MyBB 1.8"
            << "[color=red]x[/color]" << QStringList{};

        QTest::newRow("Discourse: no hex colour")
            << "Discourse"
            << "[color=#ff0000]x[/color]"
            << QStringList{"[color=#ff0000]! Discourse does not read the colour #ff0000: write a "
                           "colour name"};
        QTest::newRow("Discourse: quote with a name it reads")
            << "Discourse"
            << "[quote=ann]x[/quote]"
            << QStringList{"[quote=ann] Discourse reads this tag; the preview here leaves it as "
                           "text"};
    }

    void notes()
    {
        QFETCH(QString, forum);
        QFETCH(QString, post);
        QFETCH(QStringList, notes);
        QCOMPARE(notesOf(profile(forum), post), notes);
    }

    void thePreviewsVerdictsStayAndTheForumsWordFollows()
    {
        // The preview leaves an unclosed [font] as text: that verdict and its
        // message stay, the forum's note comes beside it.
        const QString post = QStringLiteral("[font=Arial]x");
        std::vector<TagVerdicts::Tag> tags = TagVerdicts::analyse(post).tags();
        const std::vector<TagVerdicts::Tag> before = tags;
        ForumReview::review(profile("phpBB 3.3"), post, tags);
        QCOMPARE(tags.size(), size_t(1));
        QCOMPARE(tags[0].verdict, before[0].verdict);
        QCOMPARE(tags[0].message, before[0].message);
        QVERIFY(tags[0].note.startsWith("phpBB shows [FONT] as text"));
    }

    void aUsersOwnTagsAndTheirLimits()
    {
        const auto parsed = ForumProfiles::parse(
            "[Club]\r\nEngine=Club board\r\nTags=b spoiler\r\nText=img\r\nSize=pixels 8 40\r\n");
        const ForumProfile &club = parsed.profiles.first();
        QCOMPARE(notesOf(club, "[spoiler]x[/spoiler] [img]http://a.b/c.png[/img] [size=5]y[/size]"),
                 (QStringList{
                     "[spoiler] Club board shows this as a spoiler; the preview here leaves it "
                     "as text",
                     "[/spoiler] Club board shows this as a spoiler; the preview here leaves it "
                     "as text",
                     "[img]! Club board shows [IMG] as text: leave the image out or pick another "
                     "forum",
                     "[/img]! Club board shows [IMG] as text: leave the image out or pick another "
                     "forum",
                     "[size=5]! Club board reads sizes from 8 to 40 pixels only: write [SIZE=16] "
                     "for text the size the preview shows"}));
    }

    void aTagThatNeverEndsOrSpansLinesIsNoTag()
    {
        const QString post = "[spoiler\r\n]x [spoiler=" + QString(300, u'a') + "]";
        QCOMPARE(notesOf(profile("XenForo 2"), post), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestForumReview)
#include "tst_forumreview.moc"
