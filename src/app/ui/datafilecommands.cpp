#include "datafilecommands.h"

#include "foundation/datafolder.h"
#include "foundation/platform.h"

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
