#include "datafilecommands.h"

#include "forums/forumprofiles.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "foundation/textfile.h"

DataFileCommands::DataFileCommands(QObject *parent) : QObject(parent) { }

void DataFileCommands::openDataFile(const char *fileName)
{
    Platform::shell().open(DataFolder::filePath(QString::fromLatin1(fileName)));
}

void DataFileCommands::mnuFileAdvEditInsert_Click()
{
    openDataFile("insert.txt");
}

void DataFileCommands::mnuFileAdvEditWeb_Click()
{
    openDataFile("web.txt");
}

void DataFileCommands::mnuFileAdvEditTemplate_Click()
{
    openDataFile("template.txt");
}

void DataFileCommands::mnuFileAdvEditTags_Click()
{
    openDataFile("tags.txt");
}

void DataFileCommands::mnuFileAdvEditPreview_Click()
{
    openDataFile("preview.txt");
}

void DataFileCommands::mnuFileAdvEditForums_Click()
{
    const QString name = QString::fromUtf16(ForumProfiles::fileName);
    const QString path = DataFolder::filePath(name);
    const bool ready = runTrapped(QStringLiteral("Main.Forums"), [&] {
        if (!FileExists(path))
            TextFile::writeBytes(path, TextFile::readBytes(QStringLiteral(":/data/") + name));
    });
    if (ready)
        Platform::shell().open(path);
}
