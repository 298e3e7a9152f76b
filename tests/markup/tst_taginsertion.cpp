#include "markup/taginsertion.h"

#include <QTest>

class TestTagInsertion : public QObject
{
    Q_OBJECT
private slots:
    void insertTag_data();
    void insertTag();
    void url_data();
    void url();
    void list_data();
    void list();
    void listValues();
    void listItems();
};

void TestTagInsertion::insertTag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("newStart");
    QTest::addColumn<int>("newLength");

    QTest::newRow("bold wraps the selection and selects it again") << "B"
                                                                   << "" << 0 << "abc"
                                                                   << "[B]abc[/B]" << 3 << 3;
    QTest::newRow("bold without a selection leaves the caret between the tags")
        << "B"
        << "" << 5 << ""
        << "[B][/B]" << 8 << 0;
    QTest::newRow("a value does not shift the reselection") << "FONT"
                                                            << "Arial" << 2 << "x"
                                                            << "[FONT=Arial]x[/FONT]" << 14 << 1;
    QTest::newRow("colour value as given") << "COLOR"
                                           << "gray" << 0 << ""
                                           << "[COLOR=gray][/COLOR]" << 12 << 0;
    QTest::newRow("two-digit size") << "SIZE"
                                    << "14" << 1 << "big"
                                    << "[SIZE=14]big[/SIZE]" << 10 << 3;
    QTest::newRow("a selection across line breaks counts CR LF as two")
        << "QUOTE"
        << "" << 4 << "a\r\n\r\nb"
        << "[QUOTE]a\r\n\r\nb[/QUOTE]" << 11 << 6;
    QTest::newRow("image tag") << "IMG"
                               << "" << 0 << "pic.png"
                               << "[IMG]pic.png[/IMG]" << 5 << 7;
}

void TestTagInsertion::insertTag()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(int, selStart);
    QFETCH(QString, selected);

    const TagEdit edit = TagInsertion::InsertTag(name, value, selStart, selected);

    QTEST(edit.replacement, "replacement");
    QTEST(edit.selStart, "newStart");
    QTEST(edit.selLength, "newLength");
}

void TestTagInsertion::url_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("newStart");

    QTest::newRow("empty answer (Cancel) changes nothing") << "" << 3 << "text" << false << "" << 0;
    QTest::newRow("the default answer is used unchanged")
        << "http://" << 0 << "" << true << "[URL=http://][/URL]" << 13;
    QTest::newRow("selection becomes the link text, caret after it")
        << "http://a.example" << 10 << "here" << true << "[URL=http://a.example]here[/URL]" << 36;
    QTest::newRow("link text across a line break")
        << "x" << 2 << "a\r\nb" << true << "[URL=x]a\r\nb[/URL]" << 13;
}

void TestTagInsertion::url()
{
    QFETCH(QString, answer);
    QFETCH(int, selStart);
    QFETCH(QString, selected);
    QFETCH(bool, changes);

    const std::optional<TagEdit> edit = TagInsertion::url(answer, selStart, selected);

    QCOMPARE(edit.has_value(), changes);
    if (!edit)
        return;
    QTEST(edit->replacement, "replacement");
    QTEST(edit->selStart, "newStart");
    QCOMPARE(edit->selLength, 0);
}

void TestTagInsertion::list_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("newStart");

    QTest::newRow("no item changes nothing") << QStringList() << 4 << false << "" << 0;
    QTest::newRow("two items, caret at the start of the closing line")
        << QStringList{"one", "two"} << 3 << true << "[LIST]\r\n[*]one\r\n[*]two\r\n[/LIST]" << 27;
    QTest::newRow("the items end at the first empty one")
        << QStringList{"one", "", "two"} << 0 << true << "[LIST]\r\n[*]one\r\n[/LIST]" << 16;
    QTest::newRow("an empty first item is no list")
        << QStringList{"", "two"} << 0 << false << "" << 0;
}

void TestTagInsertion::list()
{
    QFETCH(QStringList, items);
    QFETCH(int, selStart);
    QFETCH(bool, changes);

    const std::optional<TagEdit> edit = TagInsertion::list(items, selStart);

    QCOMPARE(edit.has_value(), changes);
    if (!edit)
        return;
    QTEST(edit->replacement, "replacement");
    QTEST(edit->selStart, "newStart");
    QCOMPARE(edit->selLength, 0);
}

void TestTagInsertion::listValues()
{
    QCOMPARE(TagInsertion::fontValue(0), QString());
    QCOMPARE(TagInsertion::fontValue(3), QStringLiteral("Courier"));
    QCOMPARE(TagInsertion::fontValue(7), QString());
    QCOMPARE(TagInsertion::fontValue(-1), QString());
    QCOMPARE(TagInsertion::colorValue(0), QString());
    QCOMPARE(TagInsertion::colorValue(3), QStringLiteral("purple"));
    QCOMPARE(TagInsertion::colorValue(6), QStringLiteral("gray"));
    QCOMPARE(TagInsertion::sizeValue(QStringLiteral("Small")), QStringLiteral("1"));
    QCOMPARE(TagInsertion::sizeValue(QStringLiteral("Large")), QStringLiteral("7"));
    QCOMPARE(TagInsertion::sizeValue(QStringLiteral("Largest")), QStringLiteral("14"));
    QCOMPARE(TagInsertion::sizeValue(QStringLiteral("Size")), QString());
    QCOMPARE(TagInsertion::sizeValue(QStringLiteral("small")), QString());
}

void TestTagInsertion::listItems()
{
    QCOMPARE(TagInsertion::fontItems(),
             (QStringList{"Font", "Arial", "Times", "Courier", "Impact", "Geneva", "Optima"}));
    QCOMPARE(TagInsertion::sizeItems(), (QStringList{"Size", "Small", "Large", "Largest"}));
    QCOMPARE(TagInsertion::colorItems(),
             (QStringList{"Color", "Blue", "Red", "Purple", "Orange", "Yellow", "Gray", "Green"}));
}

QTEST_GUILESS_MAIN(TestTagInsertion)
#include "tst_taginsertion.moc"
