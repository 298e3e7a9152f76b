#include "design.h"

namespace Design {

QFont font(qreal points, bool bold, bool italic, bool underline)
{
    QFont result(QString::fromUtf16(fontFamily));
    result.setPointSizeF(points);
    result.setBold(bold);
    result.setItalic(italic);
    result.setUnderline(underline);
    return result;
}

} // namespace Design
