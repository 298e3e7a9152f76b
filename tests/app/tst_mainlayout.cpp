#include "app/mainlayout.h"

#include <QTest>

class TestMainLayout : public QObject
{
    Q_OBJECT

private slots:
    void aClientOf600By400()
    {
        const MainGeometry g = MainLayout::resized(MainGeometry::design(), 600, 400);
        QCOMPARE(g.picContainer, QRect(0, 1, 602, 400));
        QCOMPARE(g.shpHeaders0.width(), 600);
        QCOMPARE(g.shpHeaders1.width(), 600);
        QCOMPARE(g.shpButtons, QRect(0, 369, 600, 30));
        QCOMPARE(g.txtPost, QRect(5, 118, 590, 246));
        QCOMPARE(g.txtPost.top() + g.txtPost.height(), 364);
        QCOMPARE(g.webBrowser, QRect(5, 118, 590, 246));
        QCOMPARE(g.cmdCopy, QRect(208, 374, 89, 22));
        QCOMPARE(g.cmdPreview, QRect(301, 374, 89, 22));
    }

    void theDesignedClientOf550By362()
    {
        const MainGeometry g = MainLayout::resized(MainGeometry::design(), 550, 362);
        QCOMPARE(g.picContainer.width(), 552);
        QCOMPARE(g.txtPost.size(), QSize(540, 208));
        QCOMPARE(g.shpButtons.top(), 331);
        QCOMPARE(g.cmdCopy.topLeft(), QPoint(183, 336));
        QCOMPARE(g.cmdPreview.topLeft(), QPoint(276, 336));
    }

    void theLengthLabelKeepsItsRightEdgeOnTheEditors()
    {
        for (const int width : {550, 900, 300}) {
            const MainGeometry g = MainLayout::resized(MainGeometry::design(), width, 400);
            QCOMPARE(g.lblLength.right(), g.txtPost.right());
            QCOMPARE(g.lblLength.size(), MainGeometry::design().lblLength.size());
            QCOMPARE(g.lblLength.top(), 93);
        }
    }

    void anOddPanelWidthHalvedRoundsDown()
    {
        const MainGeometry g = MainLayout::resized(MainGeometry::design(), 601, 400);
        QCOMPARE(g.cmdCopy.left(), 208); // 603 / 2 - 93 = 208.5
        QCOMPARE(g.cmdPreview.left(), 301);
    }

    void aTinyWindowSkipsTheStepsThatWouldFail()
    {
        const MainGeometry before = MainLayout::resized(MainGeometry::design(), 600, 400);
        const MainGeometry g = MainLayout::resized(before, 5, 100);
        QCOMPARE(g.picContainer, QRect(0, 1, 7, 100));
        QCOMPARE(g.shpButtons.width(), 5);
        // 7 - 12 would be negative: the editor and the browser keep their widths.
        QCOMPARE(g.txtPost.width(), 590);
        QCOMPARE(g.webBrowser.width(), 590);
        QCOMPARE(g.cmdCopy.left(), 3 - 93);
        QCOMPARE(g.shpButtons.top(), 69);
        // 100 - 154 would be negative: the heights stay, the buttons still move.
        QCOMPARE(g.txtPost.height(), 246);
        QCOMPARE(g.webBrowser.height(), 246);
        QCOMPARE(g.cmdCopy.top(), 74);
        QCOMPARE(g.cmdPreview.top(), 74);
    }

    void anEmptyClientStillLaysOut()
    {
        const MainGeometry g = MainLayout::resized(MainGeometry::design(), 0, 0);
        QCOMPARE(g.picContainer.size(), QSize(2, 0));
        QCOMPARE(g.shpHeaders0.width(), 0);
        QCOMPARE(g.shpButtons.top(), -31);
        QCOMPARE(g.txtPost.size(), QSize(538, 208));
    }

    void nothingElseMoves()
    {
        const MainGeometry design = MainGeometry::design();
        const MainGeometry g = MainLayout::resized(design, 800, 600);
        QCOMPARE(g.shpHeaders0.topLeft(), design.shpHeaders0.topLeft());
        QCOMPARE(g.shpHeaders1.topLeft(), design.shpHeaders1.topLeft());
        QCOMPARE(g.txtPost.topLeft(), design.txtPost.topLeft());
        QCOMPARE(g.shpHeaders0.height(), 26);
        QCOMPARE(g.cmdCopy.size(), QSize(89, 22));
    }
};

QTEST_GUILESS_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
