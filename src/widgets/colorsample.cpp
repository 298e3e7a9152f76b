#include "colorsample.h"

#include "foundation/olecolor.h"

#include <QEvent>

namespace {

QColor shown(qint32 value)
{
    return OleColor::isValid(value) ? OleColor::toQColor(value) : QColor(Qt::black);
}

} // namespace

ColorSample::ColorSample(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    refresh();
}

void ColorSample::setBackColor(qint32 value)
{
    m_back = value;
    refresh();
}

void ColorSample::setForeColor(qint32 value)
{
    m_fore = value;
    refresh();
}

void ColorSample::refresh()
{
    QPalette colors = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, shown(m_back));
        colors.setColor(group, QPalette::Text,
                        m_fore == noColor ? OleColor::readableOn(shown(m_back)) : shown(m_fore));
    }
    setPalette(colors);
}

void ColorSample::changeEvent(QEvent *event)
{
    // A desktop colour follows the desktop.
    if (event->type() == QEvent::ApplicationPaletteChange)
        refresh();
    QLineEdit::changeEvent(event);
}
