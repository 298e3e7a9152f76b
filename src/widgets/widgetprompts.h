#pragma once

#include "foundation/platform.h"

// The real message box, input box and colour picker, parented to the active window.
class WidgetPrompts : public Prompts
{
public:
    MessageAnswer messageBox(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    std::optional<QColor> pickColor(const QColor &initial, QList<QColor> &customColors) override;
};
