#pragma once

#include "foundation/design.h"

#include <QLineEdit>

// A read-only text box that shows a pair of colours being chosen: its text in
// ForeColor on BackColor. It keeps the 32-bit colour values exactly as given,
// desktop colours included, and paints a value of neither form as black.
class ColorSample : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit ColorSample(const QString &text, QWidget *parent = nullptr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value);
    qint32 foreColor() const { return m_fore; }
    // A sample without a text colour of its own writes in black or white, whichever reads.
    static constexpr qint32 noColor = -1;
    void setForeColor(qint32 value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    qint32 m_back = Design::textArea;
    qint32 m_fore = noColor;
};
