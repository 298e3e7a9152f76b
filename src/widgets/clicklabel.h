#pragma once

#include "skinwidgets.h"

// A skinnable label that reports a click: the left button pressed and released
// over it.
class ClickLabel : public SkinLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = {}, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
