#pragma once

#include <QObject>

// The Help menu's commands that send the user elsewhere: the read-me, the
// version check, the maker's site, forums and address, and the donation page.
class HelpCommands : public QObject
{
    Q_OBJECT
public:
    explicit HelpCommands(QObject *parent);

public slots:
    void mnuHelpReadMe_Click();
    void mnuHelpUpdate_Click();
    void mnuHelpWebQuorvel_Click();
    void mnuHelpWebForums_Click();
    void mnuHelpWebEmail_Click();
    void mnuHelpDonate_Click();
};
