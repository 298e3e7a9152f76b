#include "appicon.h"

namespace AppIcon {

QIcon icon()
{
    // The drawing scales to any size where the desktop can read it; the
    // renderings are used at their own sizes, and everywhere without it.
    QIcon icon;
    icon.addFile(QStringLiteral(":/data/icons/wuxo.svg"));
    for (const int size : {32, 48, 128})
        icon.addFile(QStringLiteral(":/data/icons/wuxo-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString smallImagePath()
{
    return QStringLiteral(":/data/icons/wuxo-32.png");
}

} // namespace AppIcon
