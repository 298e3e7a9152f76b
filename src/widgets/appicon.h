#pragma once

#include <QIcon>
#include <QString>

// The program's icon, built into the program as a resource.
namespace AppIcon {

// The drawing ":/data/icons/wuxo.svg" with its 32, 48 and 128 pixel renderings.
QIcon icon();
// The 32 x 32 rendering.
QString smallImagePath();

} // namespace AppIcon
