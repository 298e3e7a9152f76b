#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// The controls the skin can colour. Each keeps its colours as 32-bit colour
// values (see OleColor) in the properties BackColor, ForeColor and BorderColor
// that ApplySkin sets by name; a desktop colour is resolved when it is set and
// again whenever the desktop palette changes.

// A borderless surface filled with BackColor.
class SkinPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit SkinPanel(QWidget *parent = nullptr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value);
    qint32 foreColor() const { return m_fore; }
    void setForeColor(qint32 value);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    qint32 m_back = 0x00F7F2EE;
    qint32 m_fore = 0;
};

// A filled rectangle with a one-pixel border: the header and button bands.
class SkinShape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 BorderColor READ borderColor WRITE setBorderColor)
public:
    explicit SkinShape(QWidget *parent = nullptr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value);
    qint32 borderColor() const { return m_border; }
    void setBorderColor(qint32 value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    qint32 m_back = 0x00EBDCD1;
    qint32 m_border = 0x00FFFFFF;
};

// A one-pixel line along the widget's longer side.
class SkinLine : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 BorderColor READ borderColor WRITE setBorderColor)
public:
    explicit SkinLine(QWidget *parent = nullptr);
    qint32 borderColor() const { return m_border; }
    void setBorderColor(qint32 value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    qint32 m_border = 0x00FFFFFF;
};

// A label; transparent unless BackColor was set.
class SkinLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit SkinLabel(const QString &text = {}, QWidget *parent = nullptr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value);
    qint32 foreColor() const { return m_fore; }
    void setForeColor(qint32 value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    qint32 m_back = -1; // -1: transparent
    qint32 m_fore = 0;
};

// A push button whose face is BackColor.
class SkinButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
public:
    explicit SkinButton(const QString &text = {}, QWidget *parent = nullptr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    qint32 m_back = 0x00F7F2EE;
};

// A multi-line text box with a background and a text colour.
class SkinTextBox : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
public:
    explicit SkinTextBox(QWidget *parent = nullptr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 value);
    qint32 foreColor() const { return m_fore; }
    void setForeColor(qint32 value);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    qint32 m_back = qint32(0x80000005u);
    qint32 m_fore = qint32(0x80000008u);
};
