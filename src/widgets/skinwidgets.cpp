#include "skinwidgets.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

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

SkinPanel::SkinPanel(QWidget *parent) : Skinned(parent) { }

void SkinPanel::setForeColor(qint32 value)
{
    OleColor::toQColor(value);
    m_foreSet = true;
    Skinned::setForeColor(value);
}

void SkinPanel::applyColors()
{
    // Until a text colour is given, the children keep the desktop's.
    if (m_foreSet)
        setRole(this, QPalette::WindowText, m_fore);
    update();
}

void SkinPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paintColor(m_back));
}

SkinShape::SkinShape(QWidget *parent) : Skinned(parent)
{
    m_back = Design::header;
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SkinShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paintColor(m_back));
    painter.setPen(paintColor(m_border));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

SkinLine::SkinLine(QWidget *parent) : Skinned(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SkinLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paintColor(m_border));
}

SkinLabel::SkinLabel(const QString &text, QWidget *parent) : Skinned(text, parent)
{
    m_back = -1; // transparent
    applyColors();
}

void SkinLabel::widenToCaption()
{
    resize(std::max(width(), sizeHint().width()), height());
}

void SkinLabel::applyColors()
{
    setRole(this, QPalette::WindowText, m_fore);
    if (m_back == -1) {
        setAutoFillBackground(false);
    } else {
        setRole(this, QPalette::Window, m_back);
        setAutoFillBackground(true);
    }
}

SkinButton::SkinButton(const QString &text, QWidget *parent) : Skinned(text, parent)
{
    applyColors();
    setFocusPolicy(Qt::TabFocus);
}

void SkinButton::applyColors()
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

SkinTextBox::SkinTextBox(QWidget *parent) : Skinned(parent)
{
    m_back = Design::textArea;
    m_fore = Design::textAreaText;
    applyColors();
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

void SkinTextBox::applyColors()
{
    setRole(this, QPalette::Base, m_back);
    setRole(this, QPalette::Text, m_fore);
}
