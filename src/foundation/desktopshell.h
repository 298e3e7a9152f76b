#pragma once

#include "platform.h"

#include <QUrl>

// Opens targets through QDesktopServices. A target with a scheme (http:, mailto:,
// file:, ...) is taken as a URL; anything else is a path, relative to the program's folder.
class DesktopShell : public Shell
{
public:
    void open(const QString &target, const QString &verb) override;

    static QUrl urlFor(const QString &target, const QString &workingFolder);
};
