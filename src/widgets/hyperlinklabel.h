#pragma once

#include "clicklabel.h"

// A label that reads as a web link: blue text, red while a mouse button is held
// on it, a pointing hand over it, and a click signal. It takes no part in the skin.
class HyperlinkLabel : public ClickLabel
{
    Q_OBJECT
public:
    explicit HyperlinkLabel(const QString &text = {}, QWidget *parent = nullptr);

    // Colour values in the stored form (0x00BBGGRR).
    static constexpr qint32 linkColor = 0xFF0000;
    static constexpr qint32 pressedColor = 0x0000FF;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
