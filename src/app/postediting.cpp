#include "postediting.h"

#include <algorithm>

namespace PostEditing {

Deletion ctrlBackspace(QStringView text, int caret)
{
    const int c = std::clamp(caret, 0, int(text.size()));
    for (int d = c; d >= 1; --d) {
        if (text[d - 1] == u' ')
            return {d - 1, c - d + 1, d - 1};
    }
    return {0, c, 0};
}

QString apply(const QString &text, const Deletion &deletion)
{
    QString result = text;
    result.remove(deletion.start, deletion.length);
    return result;
}

} // namespace PostEditing
