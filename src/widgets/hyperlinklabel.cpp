#include "hyperlinklabel.h"

#include <QMouseEvent>

HyperlinkLabel::HyperlinkLabel(const QString &text, QWidget *parent) : ClickLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setForeColor(linkColor);
    setCursor(Qt::PointingHandCursor);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent *event)
{
    setForeColor(pressedColor);
    ClickLabel::mousePressEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    setForeColor(linkColor);
    ClickLabel::mouseReleaseEvent(event);
}
