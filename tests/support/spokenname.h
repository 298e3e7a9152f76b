#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>

// The name a screen reader says for a control: its accessible name, or what Qt
// derives from its caption or its label when none is set.
inline QString spokenName(QObject *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}
