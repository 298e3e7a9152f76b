#include "app/postediting.h"

#include <QTest>

using PostEditing::Deletion;

class TestPostEditing : public QObject
{
    Q_OBJECT

private slots:
    void ctrlBackspace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("after");

        QTest::newRow("caret at the start changes nothing") << "abc" << 0 << 0 << 0 << "abc";
        QTest::newRow("right after a space deletes only the space")
            << "ab cd" << 3 << 2 << 1 << "abcd";
        QTest::newRow("no space before the caret deletes everything before it")
            << "abc def" << 2 << 0 << 2 << "c def";
        QTest::newRow("back to and including the nearest space")
            << "hello big world" << 15 << 9 << 6 << "hello big";
        QTest::newRow("the caret in mid-word keeps the rest of the word")
            << "one two" << 6 << 3 << 3 << "oneo";
        QTest::newRow("a tab does not end the search") << "a b\tc" << 5 << 1 << 4 << "a";
        QTest::newRow("line breaks do not end the search")
            << "one two\r\nthree" << 14 << 3 << 11 << "one";
        QTest::newRow("a break with no space before it goes too")
            << "one\r\ntwo" << 8 << 0 << 8 << "";
        QTest::newRow("a caret past the end counts from the end") << "a b" << 9 << 1 << 2 << "a";
    }

    void ctrlBackspace()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, after);

        const Deletion deletion = PostEditing::ctrlBackspace(text, caret);
        QCOMPARE(deletion, (Deletion{start, length, start}));
        QCOMPARE(PostEditing::apply(text, deletion), after);
    }
};

QTEST_GUILESS_MAIN(TestPostEditing)
#include "tst_postediting.moc"
