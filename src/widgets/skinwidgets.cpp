#include "skinwidgets.h"

#include "foundation/olecolor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {

bool isPaletteChange(const QEvent *event)
{
    return event->type() == QEvent::ApplicationPaletteChange;
}

void setRole(QWidget *widget, QPalette::ColorRole role, qint32 value)
{
    QPalette palette = widget->palette();
    const QColor color = OleColor::toQColor(value);
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    palette.setColor(QPalette::Disabled, role, color);
    widget->setPalette(palette);
}

// Paint with a colour value that may have become invalid by hand: fall back to black.
QColor paintColor(qint32 value)
{
    return OleColor::isValid(value) ? OleColor::toQColor(value) : QColor(Qt::black);
}

} // namespace

SkinPanel::SkinPanel(QWidget *parent) : QWidget(parent) { }

void SkinPanel::setBackColor(qint32 value)
{
    OleColor::toQColor(value);
    m_back = value;
    update();
}

void SkinPanel::setForeColor(qint32 value)
{
    setRole(this, QPalette::WindowText, value);
    m_fore = value;
}

void SkinPanel::changeEvent(QEvent *event)
{
    if (isPaletteChange(event) && OleColor::isSystem(m_fore))
        setRole(this, QPalette::WindowText, m_fore);
    QWidget::changeEvent(event);
}

void SkinPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paintColor(m_back));
}

SkinShape::SkinShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SkinShape::setBackColor(qint32 value)
{
    OleColor::toQColor(value);
    m_back = value;
    update();
}

void SkinShape::setBorderColor(qint32 value)
{
    OleColor::toQColor(value);
    m_border = value;
    update();
}

void SkinShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paintColor(m_back));
    painter.setPen(paintColor(m_border));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SkinShape::changeEvent(QEvent *event)
{
    if (isPaletteChange(event))
        update();
    QWidget::changeEvent(event);
}

SkinLine::SkinLine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SkinLine::setBorderColor(qint32 value)
{
    OleColor::toQColor(value);
    m_border = value;
    update();
}

void SkinLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paintColor(m_border));
}

void SkinLine::changeEvent(QEvent *event)
{
    if (isPaletteChange(event))
        update();
    QWidget::changeEvent(event);
}

SkinLabel::SkinLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    refresh();
}

void SkinLabel::setBackColor(qint32 value)
{
    OleColor::toQColor(value);
    m_back = value;
    refresh();
}

void SkinLabel::setForeColor(qint32 value)
{
    OleColor::toQColor(value);
    m_fore = value;
    refresh();
}

void SkinLabel::refresh()
{
    setRole(this, QPalette::WindowText, m_fore);
    if (m_back == -1) {
        setAutoFillBackground(false);
    } else {
        setRole(this, QPalette::Window, m_back);
        setAutoFillBackground(true);
    }
}

void SkinLabel::changeEvent(QEvent *event)
{
    if (isPaletteChange(event))
        refresh();
    QLabel::changeEvent(event);
}

SkinButton::SkinButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    refresh();
    setFocusPolicy(Qt::TabFocus);
}

void SkinButton::setBackColor(qint32 value)
{
    OleColor::toQColor(value);
    m_back = value;
    refresh();
}

void SkinButton::refresh()
{
    setRole(this, QPalette::Button, m_back);
    // The caption takes black or white, whichever reads on the face: a light
    // skin under a dark desktop theme would otherwise get light captions.
    QPalette palette = this->palette();
    const QColor face = OleColor::toQColor(m_back);
    const QColor caption = OleColor::readableOn(face);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, caption);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                     face.lightness() >= 128 ? QColor(Qt::darkGray) : QColor(Qt::lightGray));
    setPalette(palette);
}

void SkinButton::changeEvent(QEvent *event)
{
    if (isPaletteChange(event))
        refresh();
    QPushButton::changeEvent(event);
}

SkinTextBox::SkinTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    refresh();
}

void SkinTextBox::keyPressEvent(QKeyEvent *event)
{
    // Shift+Enter would put a soft line separator into the text: every break
    // in a post or a field is a real line break.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::ShiftModifier) {
        QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text(),
                        event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SkinTextBox::setBackColor(qint32 value)
{
    OleColor::toQColor(value);
    m_back = value;
    refresh();
}

void SkinTextBox::setForeColor(qint32 value)
{
    OleColor::toQColor(value);
    m_fore = value;
    refresh();
}

void SkinTextBox::refresh()
{
    setRole(this, QPalette::Base, m_back);
    setRole(this, QPalette::Text, m_fore);
}

void SkinTextBox::changeEvent(QEvent *event)
{
    if (isPaletteChange(event))
        refresh();
    QPlainTextEdit::changeEvent(event);
}
