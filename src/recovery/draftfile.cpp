#include "draftfile.h"

#include "foundation/datafolder.h"
#include "foundation/textfile.h"

namespace DraftFile {

QString path()
{
    return DataFolder::filePath(QStringLiteral("draft.txt"));
}

void save(const QString &path, const QString &post)
{
    TextFile::writeAll(path, post + TextFile::crlf);
}

Restored restore(const QStringList &lines)
{
    Restored restored;
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    for (const QString &line : lines) {
        if (restored.text.isEmpty()) {
            if (line.isEmpty())
                continue;
            // One buffer for the whole draft: appending never reallocates.
            restored.text.reserve(total);
            restored.text.append(line);
        } else {
            restored.text += TextFile::crlf;
            restored.text += line;
        }
        restored.snapshots.append(restored.text.size());
    }
    restored.text.squeeze();
    return restored;
}

Restored read(const QString &path)
{
    return restore(TextFile::readLines(path));
}

QString readPost(const QString &path)
{
    return TextFile::joinLines(TextFile::readLines(path));
}

} // namespace DraftFile
