#include "postgen/newslayout.h"

#include <QTest>

class tst_NewsLayout : public QObject
{
    Q_OBJECT

private slots:
    void stacksFieldsAndPlacesButtons_data();
    void stacksFieldsAndPlacesButtons();
    void alignsLabelsOnTheWidest();
    void aCaptionTooWideForTheWindowIsCut();
    void fieldsScrollWhenTallerThanAllowed();
    void noFieldsNoLayout();
};

void tst_NewsLayout::stacksFieldsAndPlacesButtons_data()
{
    QTest::addColumn<QList<bool>>("multiLine");
    QTest::addColumn<QList<int>>("fieldTops");
    QTest::addColumn<QList<int>>("labelTops");
    QTest::addColumn<int>("okTop");

    QTest::newRow("one single-line field")
        << QList<bool>{false} << QList<int>{35} << QList<int>{35} << 68;
    QTest::newRow("one multi-line field")
        << QList<bool>{true} << QList<int>{35} << QList<int>{35} << 125;
    QTest::newRow("three single-line fields")
        << QList<bool>{false, false, false} << QList<int>{35, 64, 93} << QList<int>{35, 66, 95}
        << 126;
    QTest::newRow("multi-line in the middle")
        << QList<bool>{false, true, false} << QList<int>{35, 64, 150} << QList<int>{35, 66, 152}
        << 183;
}

void tst_NewsLayout::stacksFieldsAndPlacesButtons()
{
    QFETCH(QList<bool>, multiLine);
    QFETCH(QList<int>, fieldTops);
    QFETCH(QList<int>, labelTops);
    QFETCH(int, okTop);
    const NewsLayout layout = NewsLayout::compute(multiLine, QList<int>(multiLine.size(), 40));
    QCOMPARE(layout.fieldTops, fieldTops);
    QCOMPARE(layout.labelTops, labelTops);
    QCOMPARE(layout.okTop, okTop);
    QCOMPARE(layout.clientHeight, okTop + 26);
    QCOMPARE(layout.buttonBandTop, layout.clientHeight - 30);
    QVERIFY(!layout.scrolled);
    for (int i = 0; i < multiLine.size(); ++i)
        QCOMPARE(layout.fieldHeights.at(i), multiLine.at(i) ? 78 : 21);
}

void tst_NewsLayout::alignsLabelsOnTheWidest()
{
    const NewsLayout layout = NewsLayout::compute({false, false, false}, {40, 71, 55});
    QCOMPARE(layout.labelColumn, 71);
    QCOMPARE(layout.fieldLeft, 85);
    QCOMPARE(layout.fieldWidth, 481);
    QCOMPARE(layout.labelLefts, (QList<int>{39, 8, 24}));
}

void tst_NewsLayout::aCaptionTooWideForTheWindowIsCut()
{
    const NewsLayout layout = NewsLayout::compute({false, false}, {900, 50});
    QCOMPARE(layout.fieldWidth, NewsLayout::minFieldWidth);
    QCOMPARE(layout.fieldLeft + layout.fieldWidth, 575 - 9);
    QCOMPARE(layout.labelLefts.at(0), 8);
    QCOMPARE(layout.labelWidths.at(0), layout.labelColumn);
    QCOMPARE(layout.labelLefts.at(1) + layout.labelWidths.at(1), layout.fieldLeft - 6);
}

void tst_NewsLayout::fieldsScrollWhenTallerThanAllowed()
{
    const QList<bool> multiLine(1000, false);
    const NewsLayout layout = NewsLayout::compute(multiLine, QList<int>(1000, 60), 700, 15);
    QVERIFY(layout.scrolled);
    QCOMPARE(layout.clientHeight, 700);
    QCOMPARE(layout.okTop, 674);
    QCOMPARE(layout.buttonBandTop, 670);
    QCOMPARE(layout.scrollTop, 26);
    QCOMPARE(layout.scrollHeight, 644);
    QCOMPARE(layout.fieldWidth, 575 - 60 - 23 - 15);
    // The scrolled list ends 8 below the last field, as the button band would.
    QCOMPARE(layout.contentHeight, 35 + 999 * 29 + 21 + 8 - 26);
    QCOMPARE(layout.fieldTops.at(999), 35 + 999 * 29);

    const NewsLayout fits = NewsLayout::compute({false, false, false}, {40, 40, 40}, 700, 15);
    QVERIFY(!fits.scrolled);
    QCOMPARE(fits.okTop, 126);
}

void tst_NewsLayout::noFieldsNoLayout()
{
    const NewsLayout layout = NewsLayout::compute({}, {});
    QVERIFY(layout.fieldTops.isEmpty());
    QCOMPARE(layout.okTop, 0);
}

QTEST_GUILESS_MAIN(tst_NewsLayout)
#include "tst_newslayout.moc"
