#include "mainlayout.h"

#include <QtMath>

namespace {

int pixels(double value)
{
    return qFloor(value);
}

void setWidth(QRect &rect, double width)
{
    if (width >= 0)
        rect.setWidth(pixels(width));
}

void setHeight(QRect &rect, double height)
{
    if (height >= 0)
        rect.setHeight(pixels(height));
}

void setLeft(QRect &rect, double left)
{
    rect.moveLeft(pixels(left));
}

void setTop(QRect &rect, double top)
{
    rect.moveTop(pixels(top));
}

} // namespace

MainGeometry MainGeometry::design()
{
    MainGeometry g;
    g.picContainer = QRect(0, 1, 550, 362);
    g.shpHeaders0 = QRect(0, 0, 550, 26);
    g.shpHeaders1 = QRect(0, 87, 550, 26);
    g.shpButtons = QRect(0, 332, 550, 30);
    g.txtPost = QRect(5, 118, 538, 208);
    g.webBrowser = QRect(5, 118, 538, 208);
    g.cmdCopy = QRect(184, 336, 89, 22);
    g.cmdPreview = QRect(277, 336, 89, 22);
    g.lblLength = QRect(343, 93, 200, 13);
    return g;
}

namespace MainLayout {

MainGeometry resized(const MainGeometry &current, int clientWidth, int clientHeight)
{
    MainGeometry g = current;
    const double w = clientWidth;
    const double h = clientHeight;

    setWidth(g.picContainer, w + 2);
    setWidth(g.shpHeaders0, g.picContainer.width() - 2);
    setWidth(g.shpHeaders1, g.picContainer.width() - 2);
    setWidth(g.shpButtons, g.picContainer.width() - 2);
    setWidth(g.txtPost, g.picContainer.width() - 12);
    setWidth(g.webBrowser, g.txtPost.width());
    setLeft(g.cmdCopy, g.picContainer.width() / 2.0 - g.cmdCopy.width() - 4);
    setLeft(g.cmdPreview, g.cmdCopy.left() + g.cmdCopy.width() + 4);

    setHeight(g.picContainer, h);
    setTop(g.shpButtons, g.picContainer.height() - g.shpButtons.height() - 1);
    // The panel has no border: its inner height is its height.
    setHeight(g.txtPost, g.picContainer.height() - 154);
    setHeight(g.webBrowser, g.txtPost.height());
    setTop(g.cmdCopy, g.shpButtons.top() + 5);
    setTop(g.cmdPreview, g.cmdCopy.top());

    setLeft(g.lblLength, g.txtPost.left() + g.txtPost.width() - g.lblLength.width());
    return g;
}

} // namespace MainLayout
