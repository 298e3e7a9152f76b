#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The one saved draft, "draft.txt" in the data folder: the post followed by one
// CR LF. Failures throw WuxoError (53 missing, 70 permission denied, 61 disk full,
// 75 other access failures).
namespace DraftFile {

QString path();

// Replaces the draft at once: a failed save leaves the earlier draft as it was.
void save(const QString &path, const QString &post);

// A draft brought back into the editor line by line. Each line is one change of
// the post: while the post is empty it becomes the line, otherwise the line is
// added after a CR LF. So empty lines at the start are dropped, and a line that
// leaves the post empty is no change. `snapshots` holds the length of the post
// after each change, in order; the post after change i is text.left(snapshots[i]).
struct Restored
{
    QString text;
    QList<qsizetype> snapshots;
};

Restored restore(const QStringList &lines);
Restored read(const QString &path);

// The post exactly as save() wrote it, empty lines at the start included: the
// lines of the file joined by CR LF, whatever line ends they have.
QString readPost(const QString &path);

} // namespace DraftFile
