#pragma once

#include <QObject>

// The Advanced menu's commands: each opens one of the data files in the
// desktop's program for text files.
class DataFileCommands : public QObject
{
    Q_OBJECT
public:
    explicit DataFileCommands(QObject *parent);

public slots:
    void mnuFileAdvEditInsert_Click();
    void mnuFileAdvEditWeb_Click();
    void mnuFileAdvEditTemplate_Click();
    void mnuFileAdvEditTags_Click();
    void mnuFileAdvEditPreview_Click();
    // The target forums: a data folder without the file gets a copy of the
    // built-in profiles first, for the user to change.
    void mnuFileAdvEditForums_Click();

private:
    static void openDataFile(const char *fileName);
};
