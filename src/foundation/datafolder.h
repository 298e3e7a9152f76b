#pragma once

#include <QString>
#include <QStringList>

// FileExists: true when the path names an existing file or folder.
bool FileExists(const QString &path);

// Where the program keeps its files: the folder "data" beside the program, or,
// where that folder cannot be made or written (an installed or shared program),
// the same folder in the user's application data location. A data folder beside
// the program that the user cannot write still counts: a new per-user folder is
// filled from it.
namespace DataFolder {

// The folder that holds the program file (tests may point it elsewhere).
QString programFolder();
void setProgramFolder(const QString &folder);

// The data folder in use; empty until ensure() or setPath() chose one.
QString path();
void setPath(const QString &folder);

// Full path of a file in the data folder.
QString filePath(const QString &fileName);

// True for a program installed among the system's programs (its guide lies in
// ../share/doc/wuxo): such a program keeps no data beside itself.
bool isInstalled();

// The start-up step: use "data" beside the program when it exists and can be
// written; otherwise create it (one level) and fill it with the default data
// files; when that fails too, or the program is installed, use the per-user
// folder, created when missing and filled from the data folder beside the
// program if there is one, else with the defaults. An existing folder is never
// touched, and the program's own folder is never written when it cannot be.
// Returns the chosen path.
QString ensure();

// Creates `folder` (one level) and fills it with the data files: each one from
// the folder `source` when that has it, else the built-in default; the
// preferences file comes from `source` only. False when the folder could not
// be created.
bool createAndSeed(const QString &folder, const QString &source = QString());

// The data files that ship inside the program, in the order they are written.
QStringList defaultFileNames();

} // namespace DataFolder
