#pragma once

#include "foundation/design.h"
#include "foundation/olecolor.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// The controls the skin can colour. Each keeps its colours as 32-bit colour
// values (see OleColor) in the properties BackColor, ForeColor and BorderColor
// that ApplySkin sets by name; a desktop colour is resolved when it is set and
// again whenever the desktop palette changes. A control starts with the design
// colours of its part and offers as properties only the colours it shows.

// The colour values of a skinned control. Setting one refuses a value of
// neither colour form (WuxoError 380), keeps it and shows the colours again;
// so does every change of the desktop palette.
template<typename Control> class Skinned : public Control
{
public:
    using Control::Control;
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value) { set(m_back, value); }
    qint32 foreColor() const { return m_fore; }
    void setForeColor(qint32 value) { set(m_fore, value); }
    qint32 borderColor() const { return m_border; }
    void setBorderColor(qint32 value) { set(m_border, value); }

protected:
    // Shows the current colour values.
    virtual void applyColors() = 0;

    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            applyColors();
        Control::changeEvent(event);
    }

    qint32 m_back = Design::surface;
    qint32 m_fore = Design::surfaceText;
    qint32 m_border = Design::outline;

private:
    void set(qint32 &slot, qint32 value)
    {
        OleColor::toQColor(value);
        slot = value;
        applyColors();
    }
};

// A borderless surface filled with BackColor; ForeColor is the text colour its
// children inherit once it was set.
class SkinPanel : public Skinned<QWidget>
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit SkinPanel(QWidget *parent = nullptr);
    void setForeColor(qint32 value);

protected:
    void applyColors() override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_foreSet = false;
};

// A filled rectangle with a one-pixel border: the header and button bands.
class SkinShape : public Skinned<QWidget>
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 BorderColor READ borderColor WRITE setBorderColor)
public:
    explicit SkinShape(QWidget *parent = nullptr);

protected:
    void applyColors() override { update(); }
    void paintEvent(QPaintEvent *event) override;
};

// A one-pixel line along the widget's longer side.
class SkinLine : public Skinned<QWidget>
{
    Q_OBJECT
    Q_PROPERTY(qint32 BorderColor READ borderColor WRITE setBorderColor)
public:
    explicit SkinLine(QWidget *parent = nullptr);

protected:
    void applyColors() override { update(); }
    void paintEvent(QPaintEvent *event) override;
};

// A label; transparent unless BackColor was set.
class SkinLabel : public Skinned<QLabel>
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit SkinLabel(const QString &text = {}, QWidget *parent = nullptr);

    // Widens the label to its caption in its font when the caption would be cut
    // off; the height and the left edge stay.
    void widenToCaption();

protected:
    void applyColors() override;
};

// A push button whose face is BackColor.
class SkinButton : public Skinned<QPushButton>
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
public:
    explicit SkinButton(const QString &text = {}, QWidget *parent = nullptr);

protected:
    void applyColors() override;
};

// A multi-line text box with a background and a text colour.
class SkinTextBox : public Skinned<QPlainTextEdit>
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit SkinTextBox(QWidget *parent = nullptr);

protected:
    void applyColors() override;
    void keyPressEvent(QKeyEvent *event) override;
};
