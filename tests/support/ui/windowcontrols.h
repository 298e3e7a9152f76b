#pragma once

#include <QAction>
#include <QByteArray>
#include <QMenu>
#include <QObject>
#include <QWidget>

#include <cstdlib>

// A window's control, menu or menu entry found by its object name, as a screen
// reader finds it. A name the window does not have ends the test run at once,
// naming it, instead of crashing later on a null control.
template<typename Control = QWidget> Control *control(const QObject *window, const char *name)
{
    Control *found = window->findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("the window has no %s named %s", Control::staticMetaObject.className(), name);
    return found;
}

inline QAction *action(const QObject *window, const char *name)
{
    return control<QAction>(window, name);
}

inline QMenu *menu(const QObject *window, const char *name)
{
    return control<QMenu>(window, name);
}
